// dB microvolt: a voltage in microvolts against 1 microvolt, as used for
// television signals on 75 ohm.
#pragma once

namespace ondalab::dbmicrovolt {

// The largest dB microvolt value turned back into microvolts.
inline constexpr double kMaxDecibels = 120;

double fromMicrovolts(double microvolts);  // 20 log10(uV); faults for uV <= 0
double toMicrovolts(double decibels);      // 10 ^ (dBuV / 20)

}  // namespace ondalab::dbmicrovolt
