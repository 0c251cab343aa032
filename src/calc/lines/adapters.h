// Quarter-wave matching section between an antenna and a coaxial cable:
// the section's impedance is the geometric mean of the two it joins, its
// length a quarter wave shortened by the cable's velocity factor.
#pragma once

#include "calc/lines/coax_cable.h"

namespace ondalab::adapters {

// A quarter of 300, the wavelength in metres of 1 MHz.
inline constexpr double kQuarterWaveMetresMHz = 75;

// Zq = sqrt(Zc x Za) in ohms; a fault when the antenna impedance is negative.
double sectionImpedance(const coax_cable::Cable& cable, double antennaOhms);

// L = V x (75 / F) in metres, F in MHz; a fault where 75 / F has no value.
double sectionLength(const coax_cable::Cable& cable, double frequency);

}  // namespace ondalab::adapters
