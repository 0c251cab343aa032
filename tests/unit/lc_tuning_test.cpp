// Tuning: F = 159 / sqrt(L C) MHz and 25300 / (F^2 P); worked out by hand.
#include <gtest/gtest.h>

#include "calc/lc/tuning.h"
#include "common/fault.h"

namespace ondalab::tuning {
namespace {

TEST(LcTuning, Frequency) {
    EXPECT_NEAR(frequencyMHz(10, 100), 5.028021479668, 1e-11);  // 159 / 31.6227766
    EXPECT_DOUBLE_EQ(frequencyMHz(1, 1), 159);
    EXPECT_NEAR(frequencyMHz(-10, -100), 5.028021479668, 1e-11);
}

TEST(LcTuning, CapacitanceOrInductance) {
    struct Row {
        double mhz, other, expected;
    };
    const Row rows[] = {
        {7, 10, 51.632653061224},  // 25300 / 490
        {7, 100, 5.163265306122},  // 25300 / 4900
        {-7, -10, -51.632653061224},
        {1, 0.10000000149011612, 252999.996230006},  // 0.1 held in single precision
    };
    for (const auto& r : rows) EXPECT_NEAR(tuningPart(r.mhz, r.other), r.expected, 1e-8) << r.mhz << " " << r.other;
}

TEST(LcTuning, FaultCases) {
    EXPECT_THROW(tuningPart(1e-200, 1), CalcFault);       // F x F underflows to 0
    EXPECT_THROW(tuningPart(1e200, 1), CalcFault);        // F x F beyond the double range
    EXPECT_THROW(frequencyMHz(1e300, 1e30), CalcFault);   // L x C beyond the double range
}

}  // namespace
}  // namespace ondalab::tuning
