// T and pi attenuators from N = 10^(A/10), F = (N + 1) / (N - 1); every
// resistor to two decimals by floor(100 x + 0.5) / 100; worked by hand and
// checked with an independent script.
#include <gtest/gtest.h>

#include "calc/resistors/attenuator.h"
#include "common/fault.h"

namespace ondalab::attenuator {
namespace {

struct Row {
    double zi, zo, db;
    Networks want;
};

TEST(ResistorsAttenuator, WorkedExamples) {
    const Row rows[] = {
        {50, 50, 10, {25.97, 25.97, 35.14, 96.25, 96.25, 71.1500015258789}},
        {75, 50, 10, {48.63, 18.08, 43.03, 207.43, 77.11, 87.13999938964844}},
        {100, 50, 10, {72.53, 11.42, 49.69, 437.8, 68.94, 100.62000274658203}},
        // two negative impedances pass every check and compute as written
        {-50, -50, 10, {-96.25, -96.25, 35.14, -25.97, -25.97, 71.1500015258789}},
    };
    for (const auto& r : rows) {
        const Networks got = design(r.zi, r.zo, r.db);
        EXPECT_EQ(got.r1T, r.want.r1T) << r.zi << " " << r.zo;
        EXPECT_EQ(got.r2T, r.want.r2T) << r.zi << " " << r.zo;
        EXPECT_EQ(got.r3T, r.want.r3T) << r.zi << " " << r.zo;
        EXPECT_EQ(got.r1P, r.want.r1P) << r.zi << " " << r.zo;
        EXPECT_EQ(got.r2P, r.want.r2P) << r.zi << " " << r.zo;
        EXPECT_EQ(got.r3P, r.want.r3P) << r.zi << " " << r.zo;
    }
}

TEST(ResistorsAttenuator, MinimumLossAndCents) {
    EXPECT_EQ(minimumLoss(50, 50), 0);
    EXPECT_NEAR(minimumLoss(75, 50), 6.876466902093613, 1e-12);   // 20 log10(1.5 + sqrt 0.5)
    EXPECT_NEAR(minimumLoss(100, 50), 9.542425094393248, 1e-12);  // 20 log10(3)
    EXPECT_EQ(toCents(6.876466902093613), 6.88);
    EXPECT_EQ(toCents(0.125), 0.13);    // halves go up
    EXPECT_EQ(toCents(-0.125), -0.12);  // also below zero
    EXPECT_EQ(toCents(1.005), 1);       // 100.49999999999999 in binary
}

TEST(ResistorsAttenuator, FaultCases) {
    EXPECT_THROW(minimumLoss(-50, -100), CalcFault);  // K = 0.5: root of a negative
    EXPECT_THROW(minimumLoss(50, -50), CalcFault);    // negative output with negative attenuation
    EXPECT_THROW(design(50, 50, 4000), CalcFault);    // 10^400 beyond the double range
    EXPECT_THROW(design(-50, 50, 10), CalcFault);     // root of N Zi Zo < 0
}

}  // namespace
}  // namespace ondalab::attenuator
