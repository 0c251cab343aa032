#include "calc/volts/rms.h"

#include "common/fault.h"

namespace ondalab::rms {

Others convert(Known known, double volts) {
    switch (known) {
        case Known::Rms:
            return {finite(volts * kPeakPerRms), finite(volts * kPeakToPeakPerRms)};
        case Known::Peak:
            return {finite(volts * kRmsPerPeak), finite(volts * 2)};
        case Known::PeakToPeak:
            return {checkedDiv(volts, kPeakToPeakPerRms), finite(volts / 2)};
    }
    throw CalcFault("unknown value");
}

double average(double peak) { return finite(peak * kAveragePerPeak); }

}  // namespace ondalab::rms
