#include "calc/antennas/base_loaded.h"

#include <gtest/gtest.h>

#include "common/fault.h"

namespace ondalab {
namespace {

using base_loaded::Inputs;

struct Case {
    double height, diameterCm, coilLength, coilDiameter, frequency;
    double degrees, impedance, reactance, inductance, turns;
};

// Expected values worked out independently (python, same constants).
TEST(BaseLoadedVertical, WorkedCases) {
    const Case cases[] = {
        {5, 2, 8, 5, 7, 42.0, 354.4653167389282, 393.6741070313209, 8.950741876623628, 19.231345619641083},
        {3, 2, 6, 4, 14, 50.4, 323.8157793129688, 267.884115145231, 3.0453635693671846, 12.231250359025562},
        {10.2, 2, 8, 5, 7, 85.68, 397.24230521029574, 30.00875492773693, 0.6822918109157242, 5.309641949043054},
    };
    for (const auto& c : cases) {
        const Inputs in{c.frequency, base_loaded::radiusFromDiameter(c.diameterCm), c.height, c.coilDiameter,
                        c.coilLength};
        const auto r = base_loaded::solve(in);
        EXPECT_NEAR(r.degrees, c.degrees, 1e-9) << c.height;
        EXPECT_NEAR(r.impedance, c.impedance, 1e-9) << c.height;
        EXPECT_NEAR(r.reactance, c.reactance, 1e-9) << c.height;
        EXPECT_NEAR(r.inductance, c.inductance, 1e-12) << c.height;
        EXPECT_NEAR(r.radiation, c.degrees * c.degrees / 312, 1e-9) << c.height;
        EXPECT_NEAR(base_loaded::turns(c.coilLength, c.coilDiameter, r.inductance), c.turns, 1e-9) << c.height;
    }
}

TEST(BaseLoadedVertical, QuarterWaveNeedsNoCoil) {
    EXPECT_TRUE(base_loaded::needsNoCoil(10.3, 7));   // 72 / 7 = 10.2857...
    EXPECT_FALSE(base_loaded::needsNoCoil(10.2, 7));
    EXPECT_TRUE(base_loaded::needsNoCoil(72.0 / 7, 7));  // equal is refused too
}

TEST(BaseLoadedVertical, ThickRadiatorHasNoTurns) {
    // 2h/a = 2 < e: the impedance, the reactance and the inductance turn
    // negative and the number of turns has no square root
    const Inputs in{7, base_loaded::radiusFromDiameter(2), 0.01, 5, 8};
    const auto r = base_loaded::solve(in);
    EXPECT_LT(r.impedance, 0);
    EXPECT_LT(r.inductance, 0);
    EXPECT_THROW(base_loaded::turns(in.coilLength, in.coilDiameter, r.inductance), CalcFault);
}

TEST(BaseLoadedVertical, NegativePairsThatPassTheProductCheckFault) {
    // negative length and frequency: ln of a negative 2h/a
    EXPECT_THROW(base_loaded::solve({-7, base_loaded::radiusFromDiameter(2), -20, 5, 8}), CalcFault);
    // negative coil length and diameter: a negative radicand
    EXPECT_THROW(base_loaded::turns(-8, -5, 8.95), CalcFault);
}

}  // namespace
}  // namespace ondalab
