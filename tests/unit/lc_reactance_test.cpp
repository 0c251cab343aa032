#include "calc/lc/reactance.h"

#include <gtest/gtest.h>

#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab {
namespace {

struct Case {
    double mhz, value, expected;
};

// Worked by hand: 6.28 x 7 x 10 = 439.6; 159000 / 700 = 227.142857...
TEST(Reactance, InductiveUsesSixPointTwoEight) {
    const Case cases[] = {{7, 10, 439.6}, {14, 2.5, 219.8}, {1, 1, 6.28}, {-7, -10, 439.6}};
    for (const auto& c : cases) EXPECT_NEAR(reactance::inductive(c.mhz, c.value), c.expected, 1e-9) << c.mhz;
}

TEST(Reactance, CapacitiveUses159000) {
    const Case cases[] = {{7, 100, 227.14285714285714}, {1, 10, 15900}, {-7, -100, 227.14285714285714}};
    for (const auto& c : cases) EXPECT_NEAR(reactance::capacitive(c.mhz, c.value), c.expected, 1e-9) << c.mhz;
}

TEST(Reactance, SinglePrecisionCapacitanceShowsInTheThirdDecimal) {
    const NumberFormat it = NumberFormat::italian();
    EXPECT_EQ(maskedText(reactance::capacitive(3.7, toSingle(0.1)), "#,##0.###", it), "429.729,723");
    EXPECT_EQ(maskedText(reactance::capacitive(3.7, 0.1), "#,##0.###", it), "429.729,73");
}

TEST(Reactance, OverflowIsAFault) {
    EXPECT_THROW(reactance::inductive(1e300, 1e8), CalcFault);  // 6.28e308
    EXPECT_THROW(reactance::inductive(1e300, 1e10), CalcFault);
    EXPECT_THROW(reactance::capacitive(1e300, 1e10), CalcFault);
    EXPECT_THROW(reactance::capacitive(1, 0), CalcFault);
}

}  // namespace
}  // namespace ondalab
