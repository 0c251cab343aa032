#include "calc/lc/resonant_impedance.h"

#include <gtest/gtest.h>

#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab {
namespace {

struct Case {
    double r, l, c, mhz, parallel;
};

// Worked by hand / python: 159.155 / sqrt(1000) = 5.03292...; 10^7 / 10.
TEST(ResonantImpedance, FrequencyAndParallelImpedance) {
    const Case cases[] = {
        {0.1, 10, 100, 5.032923010040984, 1000000},
        {1, 2.5, 150, 8.218728859541885, 16666.666666666668},
        {5, 1, 1000, 5.032923010040984, 200},
        {3, 7, 22, 12.82507538394594, 106060.60606060606},
    };
    for (const auto& k : cases) {
        EXPECT_NEAR(resonant_impedance::frequency(k.l, k.c), k.mhz, 1e-12) << k.r;
        EXPECT_NEAR(resonant_impedance::parallelImpedance(k.l, k.r, k.c), k.parallel, 1e-8) << k.r;
    }
}

TEST(ResonantImpedance, ParallelKeepsOneDecimalThroughItsMask) {
    const NumberFormat it = NumberFormat::italian();
    const double zp = readRegional(maskedText(resonant_impedance::parallelImpedance(7, 3, 22), "###,##0.#", it), it);
    EXPECT_EQ(zp, 106060.6);
    EXPECT_EQ(generalText(zp, it), "106060,6");
}

TEST(ResonantImpedance, OutOfRangeIsAFault) {
    EXPECT_THROW(resonant_impedance::parallelImpedance(1e300, 0.05, 1e-323), CalcFault);  // R x C is 0
    EXPECT_THROW(resonant_impedance::parallelImpedance(1e300, 0.05, 1e-10), CalcFault);
    EXPECT_THROW(resonant_impedance::parallelImpedance(1e303, 1, 1e-303), CalcFault);
    EXPECT_THROW(resonant_impedance::frequency(0, 100), CalcFault);
    EXPECT_THROW(resonant_impedance::frequency(1e200, 1e200), CalcFault);
}

}  // namespace
}  // namespace ondalab
