// Standing-wave ratio on a 52 ohm line: the two antenna impedances that give
// it and the share of the power reflected and radiated.
#pragma once

namespace ondalab::swr {

// The reference impedance of the line, in ohms.
inline constexpr double kLineOhms = 52;

// S x 52 and 52 / S, the antenna above and below the line's impedance.
double higherImpedance(double ratio);
double lowerImpedance(double ratio);

// The reflected power in per cent: G^2 x 100 with G = (S - 1) / (S + 1).
double reflectedPercent(double ratio);

// What is not reflected, held in single precision: 100 - R.
double radiatedPercent(double reflected);

}  // namespace ondalab::swr
