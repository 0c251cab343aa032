// The two coaxial cables the line forms offer: 50 ohm with solid
// polyethylene and 75 ohm with foam, each with its velocity factor.
#pragma once

namespace ondalab::coax_cable {

struct Cable {
    double impedance;  // ohms
    double velocity;   // fraction of the free-space speed
};

inline constexpr Cable kFiftyOhm = {50, 0.66};
inline constexpr Cable kSeventyFiveOhm = {75, 0.8};

}  // namespace ondalab::coax_cable
