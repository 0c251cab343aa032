#include "calc/antennas/antenna_signals.h"

#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab::antenna_signals {

Results solve(const Inputs& in) {
    const double metres = kMetresPerKm * in.distance;
    const double lambda = checkedDiv(kWavelength, in.frequency);
    Results r{};
    r.density = checkedDiv(kMicro * in.gainTx * in.power, kFourPi * (metres * metres));
    r.received = finite(in.gainRx * r.density * (lambda * lambda) / kFourPi);
    r.electric = checkedSqrt(kFreeSpace * kPi * r.density);
    r.magnetic = finite(toSingle(kPi * (100 * r.electric / kFreeSpace)));
    r.voltage = checkedSqrt(kAntennaOhms * r.received);
    return r;
}

}  // namespace ondalab::antenna_signals
