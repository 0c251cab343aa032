// Small transmitting loop of one turn of metal tube, circular, octagonal or
// square, tuned by a capacitor: length and area, radiation and copper-loss
// resistance, efficiency, inductance and reactance, tuning and coupling
// capacitor, Q, bandwidth, capacitor voltage and distributed capacitance.
#pragma once

namespace ondalab::small_loop {

enum class Shape { Circular, Octagonal, Square };

inline constexpr double kPi = 3.14;
// A regular octagon of side a encloses 2 (1 + sqrt 2) a^2; 2.4153023 is the
// designers' value standing for 1 + sqrt 2.
inline constexpr double kOctagonFactor = 2.4153023;
inline constexpr double kCm2PerM2 = 10000;
inline constexpr double kFeetPerCm = 0.0328083;
inline constexpr double kInchesPerMm = 0.03937;
inline constexpr double kWavelength = 300;   // metres times MHz
inline constexpr double kRadiation = 31200;  // R_r = 31200 A^2 / lambda^4 (A in m^2)
inline constexpr double kCopperLoss = 9.96;  // R_l = (S / d') x (10^-4 x 9.96 x sqrt(F)), copper tube
// L = (7.353 log10(96 S / (3.14 d')) - 6.386) x S x 1.9 10^-8 henry, S in feet, d' in inches
inline constexpr double kInductanceSlope = 7.353;
inline constexpr double kInductanceRatio = 96;
inline constexpr double kInductanceOffset = 6.386;
inline constexpr double kHenryPerFoot = 1.9e-8;
inline constexpr double kTwoPi = 6.28;
inline constexpr double kDistributedPerFoot = 0.82;  // C_d = 0.82 x S

// Loop length ℓ in cm for a diameter (circle) or side D in cm: the circle's
// 3.14 D rounded half to even to a 16-bit integer (CalcFault beyond it),
// 8 D or 4 D for the polygons.
double length(Shape shape, double size);

// Enclosed area in m^2.
double area(Shape shape, double size);

struct Results {
    double feet;          // S, the loop length in feet
    double inches;        // d', the tube diameter in inches
    double radiation;     // R_r, ohm
    double loss;          // R_l, ohm
    double efficiency;    // per cent
    double inductance;    // henry
    double reactance;     // X_L, ohm
    double tuning;        // C_t, pF
    double coupling;      // C_c, pF
    double q;             // Q
    double bandwidth;     // kHz
    double voltage;       // V_c, volt
    double efficiencyDb;  // dB
    double distributed;   // C_d
};

// From the loop length in cm as the form shows it (read back), the area in
// m^2, the tube diameter d in mm, F in MHz and P in W. CalcFault where a
// logarithm, square root or division has no value (two negative inputs).
Results solve(double lengthCm, double areaM2, double tube, double frequency, double power);

}  // namespace ondalab::small_loop
