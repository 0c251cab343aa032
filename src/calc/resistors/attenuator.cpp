#include "calc/resistors/attenuator.h"

#include <cmath>

#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab::attenuator {

double minimumLoss(double zi, double zo) {
    const double k = checkedDiv(zi, zo);
    const double s = k + checkedSqrt(k - 1);
    return kDecibel * checkedLog10(finite(s * s));
}

double toCents(double ohms) { return finite(std::floor(finite(ohms * kCents) + 0.5) / kCents); }

Networks design(double zi, double zo, double db) {
    const double n = finite(std::pow(10.0, db / kDecibel));
    const double f = checkedDiv(n + 1, n - 1);
    const double r3 = checkedDiv(2 * checkedSqrt(finite(n * zi * zo)), n - 1);
    const double g3 = checkedDiv(2 * checkedSqrt(checkedDiv(n, finite(zi * zo))), n - 1);
    const double fs = finite(toSingle(f));
    Networks r{};
    r.r1T = toCents(zi * f - r3);
    r.r2T = toCents(zo * f - r3);
    r.r3T = toCents(r3);
    r.r1P = toCents(checkedDiv(1, checkedDiv(fs, zi) - g3));
    r.r2P = toCents(checkedDiv(1, checkedDiv(fs, zo) - g3));
    r.r3P = finite(toSingle(toCents(checkedDiv(1, g3))));
    return r;
}

}  // namespace ondalab::attenuator
