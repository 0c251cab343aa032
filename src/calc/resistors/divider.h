// A two-resistor voltage divider on a supply: the current and the voltage
// across each resistor.
#pragma once

#include "common/mask.h"

namespace ondalab::divider {

// The current is shown to four decimals of an ampere.
inline constexpr Mask kCurrentMask = "##0.####";

struct Divider {
    double current;       // amperes, held in single precision
    double v1;            // volts across R1
    double v2;            // volts across R2, held in single precision
    double shownCurrent;  // the current rounded to four decimals, held in single precision
};

// R2 is held in single precision as read; I = V / (R1 + R2) in single
// precision; V1 = I R1; V2 = I R2 in single precision. Faults on
// R1 + R2 = 0 or a value beyond its range.
Divider solve(double volts, double r1, double r2);

}  // namespace ondalab::divider
