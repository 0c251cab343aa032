#include "calc/lc/resonant_impedance.h"

#include "common/fault.h"

namespace ondalab::resonant_impedance {

double frequency(double microhenry, double picofarad) {
    return checkedDiv(kThousandOverTwoPi, checkedSqrt(finite(microhenry * picofarad)));
}

double parallelImpedance(double microhenry, double ohms, double picofarad) {
    return checkedDiv(finite(microhenry * 1e6), finite(ohms * picofarad));
}

}  // namespace ondalab::resonant_impedance
