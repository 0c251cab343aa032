#include "calc/lc/uhf_coil.h"

#include <cmath>

#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab::uhf_coil {

double inductance(double d, double l, double h) {
    const double r = d / 2;
    const double h2 = finite(toSingle(2 * h));  // twice the height, held in single precision
    const double a = checkedSqrt(l * l + r * r);
    const double b = checkedSqrt(l * l + 4 * h * h);
    // the logarithm of H2 / r times the ratio (l + A) / (l + B), as written
    const double t1 = finite(kLogFactor * l * checkedLog(checkedDiv(h2, r)) * checkedDiv(l + a, l + b) / std::log(10.0));
    const double t2 = finite(kCorrectionFactor * ((b - a) + l / 4 - h2 + r));
    return finite(t1 + t2);
}

}  // namespace ondalab::uhf_coil
