// Inductance of a UHF inductor: a straight conductor parallel to a ground
// plane and connected to it at one end.
#pragma once

namespace ondalab::uhf_coil {

// 0.0002 x 2.3025: the logarithmic term, later divided by ln(10).
inline constexpr double kLogFactor = 0.0004605;
// The factor of the correction term.
inline constexpr double kCorrectionFactor = 0.0002;

// Diameter d, length l and height h above the ground plane, all in mm;
// h is the single-precision value the form holds. Gives microhenry.
// Faults when the logarithm meets a value that is not positive (a height
// of zero or one of the opposite sign to the diameter) or a term leaves
// the double range.
double inductance(double d, double l, double h);

}  // namespace ondalab::uhf_coil
