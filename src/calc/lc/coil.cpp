#include "calc/lc/coil.h"

#include <cmath>

#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab::coil {

double shapeFactor(double diameter, double length) { return checkedDiv(length, diameter) + kShapeOffset; }

double turnsFor(double microhenry, double diameter, double length) {
    const double k = shapeFactor(diameter, length);
    return checkedSqrt(checkedDiv(kCoilConstant * microhenry * k, diameter));
}

double inductanceOf(double turns, double diameter, double length) {
    const double k = shapeFactor(diameter, length);
    return finite(toSingle(checkedDiv(finite(turns * turns * diameter), kCoilConstant * k)));
}

double wireLengthCm(double turns, double diameter) {
    return finite(std::floor(turns * (kPi * (diameter / 10))));
}

}  // namespace ondalab::coil
