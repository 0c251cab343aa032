// Half-wave dipole: the length of one arm from the band's centre frequency,
// straight and as an inverted V.
#pragma once

namespace ondalab::dipoles {

// Metres times megahertz for a quarter-wave arm of a straight dipole and of
// an inverted V.
inline constexpr double kStraightArm = 71.3;
inline constexpr double kInvertedVArm = 71;

struct Arms {
    double straight;   // 71.3 / f, in double precision
    double invertedV;  // 71 / f, held in single precision
};

// `frequency` is the centre frequency in MHz as the form holds it (single
// precision). A zero frequency is a CalcFault.
Arms arms(double frequency);

}  // namespace ondalab::dipoles
