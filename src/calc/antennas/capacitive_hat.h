// Vertical radiator shorter than a quarter wave, brought to resonance by a
// capacitive hat at its top: electrical length, characteristic impedance,
// the reactance and capacitance the hat must supply, and the diameter of a
// disc hat of that capacitance.
#pragma once

namespace ondalab::capacitive_hat {

inline constexpr double kQuarterWave = 72;  // metres times MHz: from 72 / F no load is needed
inline constexpr double kDegreesPerMetreMHz = 1.2;
inline constexpr double kPi = 3.14159;          // degrees to radians
inline constexpr double kCmPerMetre = 100;      // the length enters 4h / D in centimetres
inline constexpr double kImpedanceFactor = 60;  // Z = 60 (ln(4h / D) - 1)
inline constexpr double kTwoPi = 6.28;          // C = 10^6 / (2 pi F X)
inline constexpr double kDiscPfPerInch = 0.9;   // a flat disc holds about 0.9 pF per inch of diameter
inline constexpr double kInchCm = 2.54;

// True when the radiator is long enough to need no load (h >= 72 / F).
bool needsNoLoad(double length, double frequency);

struct Results {
    double degrees;      // G = F x (h x 1.2)
    double impedance;    // Z, ohm
    double reactance;    // X = Z / tan(3.14159 (90 - G) / 180), ohm
    double capacitance;  // C = 10^6 / (F x (X x 6.28)), pF
    double hatDiameter;  // C / 0.9 inches held in single precision, times 2.54: cm
};

// For a radiator `length` metres long and `diameter` cm thick at
// `frequency` MHz. CalcFault where 400h / D is not above e (no positive
// impedance: the hat has no meaning, at e itself a division by zero) or a
// logarithm or division has no value.
Results solve(double length, double diameter, double frequency);

}  // namespace ondalab::capacitive_hat
