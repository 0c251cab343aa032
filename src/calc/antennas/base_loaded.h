// Vertical radiator shorter than a quarter wave, loaded by a coil at its
// feed point: electrical length, impedance, the coil's reactance,
// inductance and number of turns.
#pragma once

namespace ondalab::base_loaded {

inline constexpr double kPi = 3.14159;           // degrees to radians
inline constexpr double kTwoPi = 6.283184;       // reactance to inductance
inline constexpr double kDegreesPerMetreMHz = 1.2;
inline constexpr double kRadiationDivisor = 312;  // R = G^2 / 312
inline constexpr double kQuarterWave = 72;        // metres times MHz: no coil needed from 72 / F
inline constexpr double kTurnsLength = 101;       // N = sqrt((l x 101 + d x 45) x L) / d
inline constexpr double kTurnsDiameter = 45;

struct Inputs {
    double frequency;      // F, MHz
    double radius;         // a, radiator radius in metres
    double height;         // h, radiator length in metres
    double coilDiameter;   // d_b, cm
    double coilLength;     // l_b, cm
};

// Radiator radius in metres from its mean diameter in centimetres.
inline double radiusFromDiameter(double diameterCm) { return diameterCm / 2 / 100; }

// True when the radiator is long enough to need no coil (h >= 72 / F).
bool needsNoCoil(double height, double frequency);

struct Results {
    double degrees;       // G = F x (h x 1.2)
    double radiation;     // G^2 / 312, before the form's rounding
    double impedance;     // Z = (ln(2h / a) - 1) x 60
    double reactance;     // X = Z / tan(3.14159 x G / 180)
    double inductance;    // L = X / (F x 6.283184), microhenry
};

// Everything but the turns; CalcFault where a logarithm meets 2h/a <= 0.
Results solve(const Inputs& in);

// N = sqrt((l_b x 101 + d_b x 45) x L) / d_b; CalcFault for a negative
// radicand (a radiator too thick for its length gives a negative L).
double turns(double coilLength, double coilDiameter, double inductance);

}  // namespace ondalab::base_loaded
