// Reactances, impedances and phase of an R L C circuit.
#pragma once

namespace ondalab::rlc {

inline constexpr double kTwoPi = 6.283184;
// 10^6 / (2 pi) for MHz and picofarad would be 159154.9; the form uses 159190.
inline constexpr double kMillionOverTwoPi = 159190.0;
inline constexpr double kPi = 3.141592;

// XL = (F x 6.283184) x L, F in MHz, L in microhenry.
double inductiveReactance(double mhz, double microhenry);
// XC = 159190 / (C x F), C in picofarad, F in MHz.
double capacitiveReactance(double picofarad, double mhz);
// sqrt(X^2 + R^2)
double seriesImpedance(double x, double r);
// (X x R) / sqrt(R^2 + X^2): R and the net reactance as if in parallel.
double parallelImpedance(double x, double r);
// arctangent(X / R), radians
double phaseRadians(double x, double r);
// radians x 180 / 3.141592
double degrees(double radians);

enum class Phase { Leads, Resonance, Lags };
// By the sign of the net reactance.
Phase phaseOf(double x);

}  // namespace ondalab::rlc
