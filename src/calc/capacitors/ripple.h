// The smoothing electrolytic after a bridge rectifier: the ripple that a
// percentage of the DC voltage allows, and the capacitance that keeps the
// ripple there at the given load current.
#pragma once

#include "common/mask.h"

namespace ondalab::ripple {

inline constexpr double kPercent = 100;
// Peak and peak-to-peak over RMS: the square root of 2 and its double,
// taken as 1.4 and 2.8.
inline constexpr double kPeakFactor = 1.4;
inline constexpr double kPeakToPeakFactor = 2.8;
// Farad to microfarad.
inline constexpr double kMicro = 1e6;
// The ripple volts are shown, and used further on, to three decimals; the
// capacitance to whole microfarad.
inline constexpr Mask kVoltsMask = "#,##0.###";
inline constexpr Mask kMicrofaradMask = "#,##0.";

struct Ripple {
    double rms;         // volts, rounded to three decimals
    double peak;        // volts, from the rounded RMS value
    double peakToPeak;  // volts, rounded to three decimals
    double microfarad;  // whole microfarad, held in single precision
};

// RMS = p V / 100; peak = 1.4 RMS; peak-to-peak = 2.8 RMS;
// C = 10^6 I / (100 x peak-to-peak). Faults when the peak-to-peak value
// rounds to 0 or a value leaves its range.
Ripple solve(double percent, double volts, double amperes);

}  // namespace ondalab::ripple
