// Reactance of an inductance or of a capacitance at a frequency.
#pragma once

namespace ondalab::reactance {

// 6.28 stands for two pi: MHz times microhenry gives ohms.
inline constexpr double kTwoPi = 6.28;
// 159000 stands for a million over two pi: MHz and picofarad give ohms.
inline constexpr double kMillionOverTwoPi = 159000.0;

// XL = 6.28 x (f x L), f in MHz, L in microhenry.
double inductive(double mhz, double microhenry);
// XC = 159000 / (f x C), f in MHz, C in picofarad.
double capacitive(double mhz, double picofarad);

}  // namespace ondalab::reactance
