#include "calc/antennas/capacitive_hat.h"

#include <cmath>

#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab::capacitive_hat {

bool needsNoLoad(double length, double frequency) { return length >= checkedDiv(kQuarterWave, frequency); }

Results solve(double length, double diameter, double frequency) {
    Results r{};
    r.degrees = frequency * (length * kDegreesPerMetreMHz);
    const double missing = kPi * (90 - r.degrees) / 180;
    r.impedance = (checkedLog(checkedDiv(4 * kCmPerMetre * length, diameter)) - 1) * kImpedanceFactor;
    if (!(r.impedance > 0)) throw CalcFault("radiator too thick for its length");
    r.reactance = checkedDiv(r.impedance, std::tan(missing));
    r.capacitance = checkedDiv(1e6, frequency * (r.reactance * kTwoPi));
    r.hatDiameter = finite(toSingle(r.capacitance / kDiscPfPerInch) * kInchCm);
    return r;
}

}  // namespace ondalab::capacitive_hat
