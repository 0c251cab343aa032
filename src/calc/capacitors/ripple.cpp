#include "calc/capacitors/ripple.h"

#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab::ripple {

Ripple solve(double percent, double volts, double amperes) {
    Ripple r{};
    r.rms = roundedThrough(percent * volts / kPercent, kVoltsMask);
    r.peak = finite(r.rms * kPeakFactor);
    r.peakToPeak = roundedThrough(r.rms * kPeakToPeakFactor, kVoltsMask);
    const double farad = checkedDiv(amperes, kPercent * r.peakToPeak);
    r.microfarad = finite(toSingle(roundedThrough(kMicro * farad, kMicrofaradMask)));
    return r;
}

}  // namespace ondalab::ripple
