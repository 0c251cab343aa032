// Tuning of a parallel LC circuit: the frequency of an inductance and a
// capacitance, or the part that tunes a frequency with the other part.
#pragma once

namespace ondalab::tuning {

// 10^3 / (2 pi) = 159.15, taken as 159: MHz from microhenry and picofarad.
inline constexpr double kFrequencyConstant = 159.0;
// 10^6 / (4 pi^2) = 25330.3, taken as 25300.
inline constexpr double kTuningConstant = 25300.0;

// F = 159 / sqrt(L x C) in MHz; L x C > 0 (the caller has checked).
double frequencyMHz(double microhenry, double picofarad);

// 25300 / ((F x F) x P): the capacitance in pF for an inductance P in uH,
// or the inductance in uH for a capacitance P in pF. Faults when F x F
// underflows to 0 or anything leaves the double range.
double tuningPart(double megahertz, double other);

}  // namespace ondalab::tuning
