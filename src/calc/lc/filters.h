// One constant-k filter cell, low-pass or high-pass, pi or T: the value of
// each inductor and each capacitor for a cut-off frequency and an impedance.
#pragma once

namespace ondalab::filters {

enum class Pass { Low, High };
enum class Cell { Pi, T };

// L = a x Z / f (microhenry), C = b / (Z x f) (picofarad), f in MHz, Z in ohms.
struct Coefficients {
    double a;  // microhenry x MHz per ohm
    double b;  // picofarad x MHz x ohm
};

// The designers' fixed decimals for 1/pi, 1/(2 pi), 1/(4 pi) (x 10^6 for C).
Coefficients coefficients(Pass pass, Cell cell);

struct Values {
    double microhenry;
    double picofarad;
};

// f x Z > 0 (the caller has checked). Faults on a non-finite value.
Values design(Pass pass, Cell cell, double megahertz, double ohms);

}  // namespace ondalab::filters
