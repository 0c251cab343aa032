#include "calc/lc/rlc.h"

#include <cmath>

#include "common/fault.h"

namespace ondalab::rlc {

double inductiveReactance(double mhz, double microhenry) { return finite((mhz * kTwoPi) * microhenry); }

double capacitiveReactance(double picofarad, double mhz) {
    return checkedDiv(kMillionOverTwoPi, finite(picofarad * mhz));
}

double seriesImpedance(double x, double r) { return checkedSqrt(finite(x * x + r * r)); }

double parallelImpedance(double x, double r) {
    return checkedDiv(finite(x * r), checkedSqrt(finite(r * r + x * x)));
}

double phaseRadians(double x, double r) { return std::atan(checkedDiv(x, r)); }

double degrees(double radians) { return finite(radians * 180 / kPi); }

Phase phaseOf(double x) {
    if (x > 0) return Phase::Leads;
    if (x == 0) return Phase::Resonance;
    return Phase::Lags;
}

}  // namespace ondalab::rlc
