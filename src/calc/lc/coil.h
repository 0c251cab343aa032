// Single-layer air-core coils for low-power stages (the ARRL handbook
// formula L = D^2 N^2 / (1010 (0.45 D + S)), millimetres and microhenry),
// solved for the turns or for the inductance, and the wire they take.
#pragma once

namespace ondalab::coil {

// The coil constant for millimetres and microhenry.
inline constexpr double kCoilConstant = 1010.0;
// Added to the length-to-diameter ratio: K = S / D + 0.45.
inline constexpr double kShapeOffset = 0.45;
// Pi as the wire length takes it.
inline constexpr double kPi = 3.14;

// K = S / D + 0.45 (D, S in millimetres).
double shapeFactor(double diameter, double length);

// N = sqrt(1010 x L x K / D) for an inductance in microhenry. Faults on a
// zero diameter, a negative radicand or a non-finite result.
double turnsFor(double microhenry, double diameter, double length);

// L = N^2 x D / (1010 x K) in microhenry, held in single precision. Faults
// on K = 0 or a result beyond the single-precision range.
double inductanceOf(double turns, double diameter, double length);

// Wire length in centimetres: turns x (3.14 x (D / 10)), rounded down to a
// whole number. Faults on a non-finite result.
double wireLengthCm(double turns, double diameter);

}  // namespace ondalab::coil
