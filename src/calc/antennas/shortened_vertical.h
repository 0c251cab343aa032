// Vertical radiator shorter than a quarter wave, brought to resonance by a
// loading coil part-way up: the coil's inductance, the electrical length
// and the radiation resistance. The coil formula also serves the loaded
// dipole, one arm of which is such a radiator.
#pragma once

namespace ondalab::shortened_vertical {

inline constexpr double kPi = 3.14;             // in K = 10^6 / (F^2 x 68 x pi^2)
inline constexpr double kQuarterWaveFeet = 234;  // feet times MHz
inline constexpr double kFoot = 0.3048;          // metres
inline constexpr double kInch = 25.4;            // millimetres
inline constexpr double kHalfWave = 142;         // metres times MHz
inline constexpr double kDegreesPerMetreMHz = 1.2;
inline constexpr double kRadiationDivisor = 312;

// K = 10^6 / (F^2 x 68 x 3.14^2).
double coilFactor(double frequency);

// The lower-section term T1 for a coil `heightFt` feet above the base of a
// radiator `diameterIn` inches thick: X1 = ln(24 (234/F - h') / D') - 1,
// T1 = ((1 - h'F/234)^2 - 1) X1 / (234/F - h'). CalcFault where the
// logarithm or the division has no value.
double lowerTerm(double heightFt, double diameterIn, double frequency);

// The coil inductance in microhenry for a radiator of `length` metres with
// the coil `height` metres above its base, `diameter` millimetres thick.
double inductance(double length, double height, double diameter, double frequency);

// Electrical length in degrees, held in single precision: l x 1.2 x F.
double degrees(double length, double frequency);

// Radiation resistance in ohms: G^2 / 312.
inline double radiation(double degrees) { return degrees * degrees / kRadiationDivisor; }

}  // namespace ondalab::shortened_vertical
