#include "calc/lc/resonance.h"

#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab::resonance {

Results solve(double microhenry, double picofarad) {
    const double root = checkedSqrt(finite(microhenry * picofarad));
    return {
        .kilohertz = checkedDiv(1000000, root * kTwoPi),
        .metres = finite(root * kMetresPerRoot),
        .resistance = finite(toSingle(checkedDiv(microhenry, picofarad))),
    };
}

}  // namespace ondalab::resonance
