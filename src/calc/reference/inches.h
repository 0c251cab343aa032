// Inches and centimetres, and the same length in feet, with the program's
// own factors.
#pragma once

namespace ondalab::inches {

inline constexpr double kCmPerInch = 2.54;
inline constexpr double kInchesPerCm = 0.3937007;
// Feet per centimetre, to five decimals, used in both directions.
inline constexpr double kFeetPerCm = 0.03281;

double centimetres(double inches);  // 2.54 X
double inchesOf(double cm);         // 0.3937007 X
double feet(double cm);             // 0.03281 X, held in single precision

}  // namespace ondalab::inches
