// Coil formulas: expected values worked out by hand from
// N = sqrt(1010 L K / D), L = N^2 D / (1010 K), K = S / D + 0.45.
#include <gtest/gtest.h>

#include "calc/lc/coil.h"
#include "common/fault.h"

namespace ondalab::coil {
namespace {

struct TurnsRow {
    double microhenry, diameter, length, turns;
};

TEST(LcCoil, TurnsForAnInductance) {
    const TurnsRow rows[] = {
        {1, 25.4, 50.8, 9.870220860878},    // K = 2.45: sqrt(97.4212598)
        {10, 20, 40, 35.174564673923},      // sqrt(1237.25)
        {5, 10, 5, 21.903196113810},        // K = 0.95: sqrt(479.75)
    };
    for (const auto& r : rows)
        EXPECT_NEAR(turnsFor(r.microhenry, r.diameter, r.length), r.turns, 1e-9) << r.microhenry;
}

TEST(LcCoil, InductanceIsHeldInSinglePrecision) {
    // 100 x 25.4 / 2474.5 = 1.026470...; its nearest float is 1.0264699459075928
    EXPECT_EQ(inductanceOf(10, 25.4, 50.8), 1.0264699459075928);
    EXPECT_EQ(inductanceOf(1000, 20, 40), 8082.44091796875);
}

TEST(LcCoil, WireLengthRoundsDown) {
    EXPECT_EQ(wireLengthCm(9.9, 25.4), 78);   // 78.958
    EXPECT_EQ(wireLengthCm(10, 25.4), 79);    // 79.756
    EXPECT_EQ(wireLengthCm(20, 20), 125);     // 125.6
    EXPECT_EQ(wireLengthCm(-10, 20), -63);    // -62.8 rounds down, towards minus infinity
}

TEST(LcCoil, FaultCases) {
    // a positive product of inputs whose radicand is negative: K = 0.55, D = -10
    EXPECT_THROW(turnsFor(1, -10, -1), CalcFault);
    // S / D = -0.45 makes the shape factor 0
    EXPECT_THROW(inductanceOf(-1, -20, 9), CalcFault);
    // beyond the single-precision range
    EXPECT_THROW(inductanceOf(1e30, 20, 40), CalcFault);
    EXPECT_THROW(turnsFor(1e308, 1e-300, 40), CalcFault);
    EXPECT_THROW(wireLengthCm(1e308, 1e10), CalcFault);
}

}  // namespace
}  // namespace ondalab::coil
