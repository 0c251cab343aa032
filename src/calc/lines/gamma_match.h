// Gamma match feeding a radiator from a coaxial cable: the rod (stub), its
// spacing from the radiator, the series capacitor and the length of RG 8/213
// that serves as that capacitor.
#pragma once

#include <cstdint>

namespace ondalab::gamma_match {

inline constexpr double kLightMetresMHz = 299.793;  // wavelength in metres times MHz
inline constexpr double kStubCmPerMetre = 6.25;     // a sixteenth of the wavelength, in cm
inline constexpr double kSpacingCmPerMetre = 0.7;   // rod spacing per metre of wavelength
inline constexpr double kCapacitancePfMHz = 2100;   // series capacitor, pF times MHz
inline constexpr double kCablePfPerCm = 0.97;       // RG 8/213 capacitance per centimetre
inline constexpr double kCableExtraCm = 1;          // added for the open end

struct Result {
    double wavelength;     // metres
    double stub;           // centimetres
    double spacing;        // centimetres
    double capacitance;    // pF, a whole number held in single precision
    std::int16_t cableCm;  // RG 8/213 used as the capacitor
};

// Every dimension for F in MHz (F > 0). A fault where 2100 / F or the cable
// length leaves the 16-bit range.
Result solve(double frequency);

}  // namespace ondalab::gamma_match
