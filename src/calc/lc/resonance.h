// Resonance of an LC pair: frequency in kHz, wavelength in metres and the
// ratio L / C that the form calls the resistance at resonance.
#pragma once

namespace ondalab::resonance {

// Two pi to seven digits: 10^6 / (2 pi sqrt(L C)) is kHz for microhenry and picofarad.
inline constexpr double kTwoPi = 6.283184;
// Metres of wavelength per unit of sqrt(L C): 0.6 pi, rounded.
inline constexpr double kMetresPerRoot = 1.885;

struct Results {
    double kilohertz;
    double metres;
    double resistance;  // L / C, held in single precision
};

// L in microhenry, C in picofarad, L x C > 0 (the caller has checked).
// Faults when the product or any result leaves the double range, or L / C
// the single-precision range.
Results solve(double microhenry, double picofarad);

}  // namespace ondalab::resonance
