// Metres of wire and electrical degrees at a frequency: 360 degrees to the
// free-space wavelength of 300 / F metres.
#pragma once

namespace ondalab::electrical_degrees {

inline constexpr double kWavelengthMetresMHz = 300;
// 360 degrees over 300 metres times megahertz.
inline constexpr double kDegreesPerMetreMHz = 1.2;
// The largest angle converted to metres; more is taken as a full turn.
inline constexpr double kFullTurn = 360;

// True when `metres` is longer than one wavelength at F (F != 0).
bool exceedsWavelength(double metres, double frequency);

// F x (X x 1.2), held in single precision; a fault beyond its range.
double degrees(double metres, double frequency);

// X / (F x 1.2) in metres; a fault where the quotient has no value.
double metres(double degrees, double frequency);

}  // namespace ondalab::electrical_degrees
