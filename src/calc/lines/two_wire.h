// Characteristic impedance of an open two-wire line in air: 120 x ln(D / r),
// D the distance between the conductors' axes, r their radius.
#pragma once

namespace ondalab::two_wire {

inline constexpr double kImpedanceConstant = 120;

// Z in ohms for D and the conductor diameter d in the same unit, held in
// single precision. A fault where D / r or its logarithm has no value.
double impedance(double distance, double diameter);

}  // namespace ondalab::two_wire
