// Decibels and signal ratios: from decibels to the voltage and power ratios,
// and from an input and an output quantity to decibels of gain or loss.
#pragma once

namespace ondalab::db {

// The largest decibel value turned into ratios.
inline constexpr double kMaxDecibels = 70;

struct Ratios {
    double voltage;  // 10 ^ (dB / 20)
    double power;    // the unrounded voltage ratio squared
};

Ratios fromDecibels(double decibels);

enum class Quantity { Voltage, Power };

struct Level {
    double decibels;  // never negative: the ratio is taken as at least 1
    bool gain;        // output >= input (equal inputs count as a gain of 0)
};

// The caller has checked that input x output is positive.
Level between(Quantity quantity, double input, double output);

}  // namespace ondalab::db
