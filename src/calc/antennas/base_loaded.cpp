#include "calc/antennas/base_loaded.h"

#include <cmath>

#include "common/fault.h"

namespace ondalab::base_loaded {

bool needsNoCoil(double height, double frequency) { return height >= checkedDiv(kQuarterWave, frequency); }

Results solve(const Inputs& in) {
    Results r{};
    r.degrees = finite(in.frequency * (in.height * kDegreesPerMetreMHz));
    r.impedance = finite((checkedLog(checkedDiv(2 * in.height, in.radius)) - 1) * 60);
    const double theta = kPi * r.degrees / 180;
    r.reactance = checkedDiv(r.impedance, std::tan(theta));
    r.inductance = checkedDiv(r.reactance, in.frequency * kTwoPi);
    r.radiation = finite(r.degrees * r.degrees / kRadiationDivisor);
    return r;
}

double turns(double coilLength, double coilDiameter, double inductance) {
    return checkedDiv(checkedSqrt((coilLength * kTurnsLength + coilDiameter * kTurnsDiameter) * inductance),
                      coilDiameter);
}

}  // namespace ondalab::base_loaded
