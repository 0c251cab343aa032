// Degrees Celsius into Fahrenheit, Réaumur and Kelvin, with the program's
// own Kelvin offset of 273.
#pragma once

namespace ondalab::temperature {

inline constexpr double kFahrenheitZero = 32;
inline constexpr double kReaumurPerCelsius = 0.8;
inline constexpr double kKelvinOffset = 273;  // not 273.15

double fahrenheit(double celsius);  // (C x 9) / 5 + 32, in that order
double reaumur(double celsius);     // 0.8 x C
double kelvin(double celsius);      // C + 273, held in single precision

}  // namespace ondalab::temperature
