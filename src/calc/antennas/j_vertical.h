// J antenna: a half-wave radiator fed through a quarter-wave matching line
// joined to it at the bottom, the coax tapped onto the line.
#pragma once

#include <cstdint>

namespace ondalab::j_vertical {

inline constexpr double kRadiator = 21600;  // cm times MHz: R = 21600 / F
inline constexpr double kLine = 7250;       // cm times MHz: M = 7250 / F
inline constexpr double kUhfFrom = 300;     // MHz: above it the UHF feed point and tube
inline constexpr double kVhfFrom = 90;      // MHz: above it the VHF ones

// The band sets the feed-point distance and the element diameter offered.
enum class Band { Uhf, Vhf, Low };

struct Results {
    std::int16_t radiator;  // cm, rounded half to even
    std::int16_t line;      // cm, rounded half to even
    double feed;            // feed point above the bottom of the line, cm
    Band band;
};

// For a frequency F > 0 in MHz. CalcFault when a length does not fit a
// 16-bit integer (F below about 0.66 MHz).
Results solve(double frequency);

}  // namespace ondalab::j_vertical
