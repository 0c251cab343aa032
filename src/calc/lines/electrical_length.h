// One electrical wavelength of coaxial cable at a frequency, and the cable
// lengths (half waves) at which an SWR meter reads as at the feed point.
#pragma once

namespace ondalab::electrical_length {

inline constexpr double kWavelengthMetresMHz = 300;

// Free-space wavelength 300 / F in metres; a fault where it has no value.
double wavelength(double frequency);

// V x lambda in metres.
double cableWavelength(double velocity, double wavelength);

// E / 2 and (E / 2) x 3, each step held in single precision.
double halfWave(double cableWavelength);
double threeHalfWaves(double cableWavelength);

}  // namespace ondalab::electrical_length
