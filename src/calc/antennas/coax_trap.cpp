#include "calc/antennas/coax_trap.h"

#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab::coax_trap {

Results solve(const Inputs& in, const Cable& cable) {
    const double s = cable.radius;
    const double n = in.turns;
    const double rho = s + in.diameter / 2;  // the cable's centre line
    Results r{};
    r.cableLength = finite(toSingle(kCableSpare + n * kTwoPi * rho));
    r.capacitance = cable.capacitancePerCm * r.cableLength;
    // the coil is N turns of cable side by side: 2 x s x N long
    r.inductance = checkedDiv(n * n * rho * rho, kInchCm * (20 * n * s + 9 * rho));
    r.resonance = checkedDiv(kResonance, checkedSqrt(r.inductance * r.capacitance));
    r.ratio = checkedDiv(2 * s + in.diameter, 2 * s * n);
    r.armA = checkedDiv(kQuarterWave, in.high);
    r.armB = kLowerBandFactor * checkedDiv(kQuarterWave, in.low);
    r.cableCm = toInt16(r.cableLength);
    return r;
}

}  // namespace ondalab::coax_trap
