// Copper wire for a current: a minimum and a normal diameter, each with
// its cross-section.
#pragma once

namespace ondalab::wire_section {

// Diameters in mm per square root of ampere.
inline constexpr double kMinimumPerRootAmpere = 0.7;
inline constexpr double kNormalPerRootAmpere = 0.8;
// Pi to six decimals, as the section takes it.
inline constexpr double kPi = 3.141592;

double minimumDiameter(double amperes);  // 0.7 sqrt(I); faults on a negative current
double normalDiameter(double amperes);   // 0.8 sqrt(I)
double section(double diameter);         // 3.141592 (d / 2)^2, mm2

}  // namespace ondalab::wire_section
