// Power levels: dBW, dBm and watts, and the RMS voltage a power develops
// across 50 and 75 ohm.
#pragma once

namespace ondalab::dbw {

// The ranges each mode accepts.
inline constexpr double kDbwMin = -30, kDbwMax = 50;
inline constexpr double kDbmMin = -90, kDbmMax = 80;
inline constexpr double kMaxWatts = 100000;
// Below one microwatt the dBm conversion shows microwatts and millivolts.
inline constexpr double kMicro = 0.000001;
inline constexpr double kMicroPerWatt = 1000000;

inline constexpr double kLowOhms = 50;
inline constexpr double kHighOhms = 75;

// 1 W is 0 dBW and 30 dBm.
inline constexpr double kDbmOverDbw = 30;

double wattsFromDbw(double dbw);   // 10 ^ (dBW / 10)
double dbwFromWatts(double watts); // 10 log10(W); faults for W <= 0
double volts(double watts, double ohms);  // square root of W x R

}  // namespace ondalab::dbw
