// The series resistor that feeds a zener-stabilised supply, and the power
// it dissipates.
#pragma once

#include <array>
#include <cstdint>

namespace ondalab::zener {

// The zener's own current in milliampere for the three power classes
// offered (1/2, 1 and 2 watt).
inline constexpr std::array<std::int16_t, 3> kZenerMilliamps = {20, 30, 40};
// Milliampere to ampere (and back for the resistance).
inline constexpr double kMilli = 1000;

struct Dropper {
    std::int16_t ohms;  // (Vcc - Vz) / (I + Iz) x 1000, halves to even
    double watts;       // (I + Iz) (Vcc - Vz) / 1000, held in single precision
};

// Load and zener currents in milliampere. Faults on I + Iz = 0, a
// resistance outside the 16-bit range or a dissipation beyond the single
// range.
Dropper solve(double vcc, double vz, double loadMilliamps, std::int16_t zenerMilliamps);

}  // namespace ondalab::zener
