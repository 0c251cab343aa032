#include "calc/volts/db.h"

#include <gtest/gtest.h>

#include "common/fault.h"

namespace ondalab::db {
namespace {

struct RatioCase {
    double decibels, voltage, power;
};

TEST(DecibelRatios, FromDecibels) {
    // worked by hand: 10^(dB/20) and its square
    const RatioCase cases[] = {
        {0, 1, 1}, {20, 10, 100}, {3, 1.4125375446227544, 1.9952623149688795}, {70, 3162.2776601683795, 1e7},
    };
    for (const auto& c : cases) {
        const Ratios r = fromDecibels(c.decibels);
        EXPECT_NEAR(r.voltage, c.voltage, c.voltage * 1e-14) << c.decibels;
        EXPECT_NEAR(r.power, c.power, c.power * 1e-14) << c.decibels;
    }
}

struct LevelCase {
    Quantity quantity;
    double input, output, decibels;
    bool gain;
};

TEST(DecibelRatios, Between) {
    const LevelCase cases[] = {
        {Quantity::Voltage, 1, 10, 20, true},         {Quantity::Voltage, 10, 1, 20, false},
        {Quantity::Power, 100, 1, 20, false},         {Quantity::Power, 2, 2, 0, true},
        {Quantity::Voltage, 1, 3, 9.542425094393248, true}, {Quantity::Power, 2, 4, 3.010299956639812, true},
    };
    for (const auto& c : cases) {
        const Level l = between(c.quantity, c.input, c.output);
        EXPECT_NEAR(l.decibels, c.decibels, 1e-12) << c.input << " " << c.output;
        EXPECT_EQ(l.gain, c.gain) << c.input << " " << c.output;
    }
}

TEST(DecibelRatios, OverflowingRatioFaults) {
    EXPECT_THROW(between(Quantity::Voltage, 1e-300, 1e300), CalcFault);
    EXPECT_THROW(fromDecibels(1e6), CalcFault);
}

}  // namespace
}  // namespace ondalab::db
