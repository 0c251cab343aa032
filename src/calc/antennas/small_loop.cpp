#include "calc/antennas/small_loop.h"

#include <cmath>

#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab::small_loop {

double length(Shape shape, double size) {
    switch (shape) {
        case Shape::Circular:
            return toInt16(kPi * size);
        case Shape::Octagonal:
            return finite(8 * size);
        case Shape::Square:
            break;
    }
    return finite(4 * size);
}

double area(Shape shape, double size) {
    switch (shape) {
        case Shape::Circular:
            return finite(kPi * ((size / 2) * (size / 2)) / kCm2PerM2);
        case Shape::Octagonal:
            return finite(2 * kOctagonFactor * (size * size) / kCm2PerM2);
        case Shape::Square:
            break;
    }
    return finite(size * size / kCm2PerM2);
}

Results solve(double lengthCm, double areaM2, double tube, double frequency, double power) {
    Results r{};
    r.feet = finite(lengthCm * kFeetPerCm);
    r.inches = tube * kInchesPerMm;
    const double lambda = finite(toSingle(checkedDiv(kWavelength, frequency)));
    r.radiation = checkedDiv(kRadiation * std::pow(areaM2, 2), std::pow(lambda, 4));
    r.loss = finite(checkedDiv(r.feet, r.inches) * (1e-4 * kCopperLoss * checkedSqrt(frequency)));
    const double total = r.loss + r.radiation;
    r.efficiency = checkedDiv(100 * r.radiation, total);
    const double ratio = checkedDiv(kInductanceRatio * r.feet, kPi * r.inches);
    r.inductance =
        finite((kInductanceSlope * checkedLog10(ratio) - kInductanceOffset) * r.feet * kHenryPerFoot);
    r.reactance = finite(kTwoPi * frequency * r.inductance * 1e6);
    r.tuning = checkedDiv(1e6, kTwoPi * frequency * r.reactance);
    r.coupling = checkedDiv(1e6 * checkedSqrt(total), kTwoPi * frequency * r.reactance);
    r.q = checkedDiv(r.reactance, 2 * total);
    r.bandwidth = checkedDiv(1000 * frequency * 2 * total, r.reactance);
    r.voltage = checkedSqrt(power * r.reactance * r.q);
    r.efficiencyDb = 10 * checkedLog10(r.efficiency / 100);
    r.distributed = kDistributedPerFoot * r.feet;
    return r;
}

}  // namespace ondalab::small_loop
