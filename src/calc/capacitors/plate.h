// A home-made parallel-plate capacitor: C = e0 k S / d.
#pragma once

#include "common/mask.h"

namespace ondalab::plate {

// Permittivity of free space in picofarad per centimetre (8.85 pF/m).
inline constexpr double kPermittivity = 0.0885;
// The spacing is typed in millimetres and used in centimetres.
inline constexpr double kMmPerCm = 10;
// Dielectric constants of the five dielectrics offered.
inline constexpr double kAir = 1;
inline constexpr double kMica = 6;
inline constexpr double kCelluloid = 3;
inline constexpr double kCeramic = 5.6;
inline constexpr double kGlassEpoxy = 4.6;
// The capacitance is given to one decimal.
inline constexpr Mask kRoundingMask = "#,##0.#";

// Picofarad for a plate area in square centimetres, a spacing in
// millimetres and a dielectric constant k: (0.0885 k) S / (d / 10), held in
// single precision, rounded to one decimal and held in single precision
// again. Faults on a zero spacing or a result beyond the single range.
double capacitance(double k, double areaCm2, double spacingMm);

}  // namespace ondalab::plate
