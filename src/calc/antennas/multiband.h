// Two-band trap antenna: the inner section A for the higher band, the
// whole radiator B for the lower band, and the trap component that is not
// given.
#pragma once

namespace ondalab::multiband {

inline constexpr double kQuarterWave = 71.15;    // metres times MHz
inline constexpr double kLowerBandFactor = 0.83;  // B = 0.83 x (71.15 / F2)
inline constexpr double kTrap = 25300;           // Y = 25300 / (F1^2 x X)

inline double sectionA(double high) { return kQuarterWave / high; }
inline double sectionB(double low) { return kLowerBandFactor * (kQuarterWave / low); }

// The other trap component: microhenry from picofarad or picofarad from
// microhenry. CalcFault when F1^2 x X is zero (it underflows) or the
// quotient is not finite.
double otherComponent(double high, double known);

}  // namespace ondalab::multiband
