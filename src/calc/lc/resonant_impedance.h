// Impedance of a lossless R L C circuit at resonance.
#pragma once

namespace ondalab::resonant_impedance {

// A thousand over two pi, for microhenry, picofarad and megahertz.
inline constexpr double kThousandOverTwoPi = 159.155;
// Below this many ohms the resistance is refused.
inline constexpr double kMinResistance = 0.05;

// F = 159.155 / sqrt(L x C), in MHz.
double frequency(double microhenry, double picofarad);
// Zp = (L x 10^6) / (R x C), in ohms.
double parallelImpedance(double microhenry, double ohms, double picofarad);

}  // namespace ondalab::resonant_impedance
