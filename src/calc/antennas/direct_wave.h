// Distance covered by the direct wave in VHF and UHF from an antenna h
// metres above sea level: the radio horizon, d = 4.124 sqrt(h) km.
#pragma once

#include <cstdint>

namespace ondalab::direct_wave {

inline constexpr double kKmPerRootMetre = 4.124;  // the radio horizon with the usual 4/3 earth radius
inline constexpr double kHighest = 5000;          // metres: above this the height is refused

// Distance in km, rounded half to even, for 0 < h <= 5000.
std::int16_t distanceKm(double height);

}  // namespace ondalab::direct_wave
