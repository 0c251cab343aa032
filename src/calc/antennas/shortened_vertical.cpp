#include "calc/antennas/shortened_vertical.h"

#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab::shortened_vertical {

// F² x 68 x 3.14², grouped as written: the square of 3.14 is taken first.
double coilFactor(double frequency) { return checkedDiv(1e6, frequency * frequency * 68 * (kPi * kPi)); }

double lowerTerm(double heightFt, double diameterIn, double frequency) {
    const double below = checkedDiv(kQuarterWaveFeet, frequency) - heightFt;
    const double x1 = checkedLog(checkedDiv(24 * below, diameterIn)) - 1;
    const double s = 1 - heightFt * frequency / kQuarterWaveFeet;
    return checkedDiv((s * s - 1) * x1, below);
}

double inductance(double length, double height, double diameter, double frequency) {
    const double h = height / kFoot;
    const double l = length / kFoot;
    const double d = diameter / kInch;
    const double above = l - h;
    const double x2 = checkedLog(checkedDiv(24 * above, d)) - 1;
    const double s = frequency * above / kQuarterWaveFeet;
    const double t2 = checkedDiv((s * s - 1) * x2, above);
    return finite(coilFactor(frequency) * (lowerTerm(h, d, frequency) - t2));
}

double degrees(double length, double frequency) {
    return finite(toSingle(length * kDegreesPerMetreMHz * frequency));
}

}  // namespace ondalab::shortened_vertical
