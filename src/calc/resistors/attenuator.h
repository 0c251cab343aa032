// Resistive attenuators between an input and an output impedance, as a T
// and as a pi network, and the least loss that the impedance ratio allows.
#pragma once

namespace ondalab::attenuator {

inline constexpr double kDecibel = 10;  // power decibels: N = 10^(A / 10)
inline constexpr double kCents = 100;   // resistors are given to two decimals

// Lmin = 10 log10((K + sqrt(K - 1))^2), K = Zi / Zo, in dB; 0 for equal
// impedances. Faults where K < 1 or a value leaves the double range.
double minimumLoss(double zi, double zo);

// Rounded to two decimals by adding 0.5 to 100 x ohms and taking the
// integer part below (halves go up). Faults beyond the double range.
double toCents(double ohms);

struct Networks {
    double r1T, r2T, r3T;  // T: input series, output series, shunt
    double r1P, r2P, r3P;  // pi: input shunt, output shunt, series (held in single precision)
};

// N = 10^(A / 10), F = (N + 1) / (N - 1).
// T: R3 = 2 sqrt(N Zi Zo) / (N - 1), R1 = Zi F - R3, R2 = Zo F - R3.
// Pi: G3 = 2 sqrt(N / (Zi Zo)) / (N - 1), series 1 / G3; with F held in
// single precision (Fs), shunts 1 / (Fs / Zi - G3) and 1 / (Fs / Zo - G3).
// Every resistor to two decimals (toCents). Faults on a negative radicand,
// a zero denominator or a value beyond the double range.
Networks design(double zi, double zo, double db);

}  // namespace ondalab::attenuator
