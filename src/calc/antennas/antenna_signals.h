// Free-space signals at a distance from a transmitter, no fading: power
// density, power collected by the receiving antenna, electric and magnetic
// field, voltage across the receiving antenna.
#pragma once

namespace ondalab::antenna_signals {

inline constexpr double kDipoleGain = 1.64;  // half-wave dipole over isotropic, as a power ratio
inline constexpr double kFourPi = 12.56;
inline constexpr double kPi = 3.14;
inline constexpr double kFreeSpace = 120;   // free-space impedance over pi, ohm
inline constexpr double kAntennaOhms = 75;  // V = sqrt(75 x Pa)
inline constexpr double kWavelength = 300;  // metres times MHz
inline constexpr double kMetresPerKm = 1000;
inline constexpr double kMicro = 1e6;  // watt to microwatt

struct Inputs {
    double power;      // P, W
    double distance;   // r, km
    double frequency;  // F, MHz
    double gainTx;     // G_t, power ratio over isotropic
    double gainRx;     // G_r
};

struct Results {
    double density;   // S = 10^6 G_t P / (12.56 r'^2), microwatt per m^2
    double received;  // P_a = G_r S lambda^2 / 12.56, microwatt
    double electric;  // E = sqrt(120 x 3.14 x S), millivolt per metre
    double magnetic;  // H = 3.14 x (100 E / 120) held in single precision, microampere per metre
    double voltage;   // V = sqrt(75 P_a), millivolt
};

// The caller has checked that the product of the inputs is positive.
// CalcFault where a square root meets a negative value (two negative
// inputs) or a result leaves the double range.
Results solve(const Inputs& in);

}  // namespace ondalab::antenna_signals
