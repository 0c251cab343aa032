// Characteristic impedance of a coaxial line from its two diameters and the
// dielectric between them, with the designers' factor: 138 / K (no square
// root of K) times log10(D / d).
#pragma once

#include <array>

namespace ondalab::coax_impedance {

inline constexpr double kImpedanceConstant = 138;

// Dielectric factors K, held in single precision: air, polythene,
// polyethylene, spiralled polyethylene (the order of the options).
inline constexpr std::array<float, 4> kDielectric = {1.00059f, 1.65f, 2.3f, 1.42f};

// Z = (138 / K) x log10(D / d) in ohms, D and d in the same unit. A fault
// where D / d or its logarithm has no value.
double impedance(double outer, double inner, float dielectric);

}  // namespace ondalab::coax_impedance
