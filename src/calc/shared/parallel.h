// Two resistors in parallel: R1 R2 / (R1 + R2). Two capacitors in series
// combine by the same rule, so the series-capacitor form uses it as well.
#pragma once

namespace ondalab::parallel {

// a x b / (a + b), held in single precision. Faults on a + b = 0 or a
// result beyond the single-precision range.
double combine(double a, double b);

}  // namespace ondalab::parallel
