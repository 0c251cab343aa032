// Two-band dipole whose traps are coils wound from coaxial cable: the
// cable's own capacitance resonates with the coil's inductance.
#pragma once

#include <cstdint>

namespace ondalab::coax_trap {

// The two cables the form offers: radius in cm and capacitance per cm in pF.
struct Cable {
    double radius;
    double capacitancePerCm;
};
inline constexpr Cable kRG174U{0.1275, 0.99};
inline constexpr Cable kRG58{0.25, 0.935};

inline constexpr double kTwoPi = 6.28;           // turn length = 6.28 x radius
inline constexpr double kCableSpare = 2;         // cm added to the wound cable
inline constexpr double kInchCm = 2.54;
inline constexpr double kResonance = 159.155;    // f0 = 159.155 / sqrt(L x C), MHz
inline constexpr double kQuarterWave = 72;       // metres times MHz
inline constexpr double kLowerBandFactor = 0.9;  // B = 0.9 x (72 / F2)

struct Inputs {
    double high;      // F1, MHz
    double low;       // F2, MHz
    double diameter;  // D, coil former in cm
    double turns;     // N
};

struct Results {
    double cableLength;  // held in single precision, cm
    double capacitance;  // pF
    double inductance;   // uH
    double resonance;    // MHz
    double ratio;        // coil diameter / coil length
    double armA;         // m
    double armB;         // m
    std::int16_t cableCm;  // the cable length rounded to a 16-bit integer
};

// The caller has checked F1 x F2 x D x N > 0. CalcFault when the square
// root of L x C has no value, a denominator is zero or the cable length
// does not fit a 16-bit integer.
Results solve(const Inputs& in, const Cable& cable);

}  // namespace ondalab::coax_trap
