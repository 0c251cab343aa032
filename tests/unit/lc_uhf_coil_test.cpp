#include "calc/lc/uhf_coil.h"

#include <gtest/gtest.h>

#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab {
namespace {

struct Case {
    double d, l, h, microhenry;
};

// Expected values worked independently in python from the same formula
// (h and 2h rounded to single precision).
TEST(UhfCoil, Inductance) {
    const Case cases[] = {
        {1, 20, 5, 0.010887378987239977},    {2, 50, 10, 0.0283164141042773},
        {1.5, 30, 3, 0.01292273953957667},   {1, 10, 1, 0.002984126518090804},
        {-1, -20, -5, 0.0013391669641390712},  // both signs flipped: H2 / r stays positive
        {2, 50, 0.5, 0.0025},                  // H2 = r: only l / 4 is left
    };
    for (const auto& c : cases)
        EXPECT_NEAR(uhf_coil::inductance(c.d, c.l, toSingle(c.h)), c.microhenry, 1e-15) << c.d << " " << c.l << " " << c.h;
}

TEST(UhfCoil, TieRoundsAwayFromZero) {
    EXPECT_EQ(maskedText(uhf_coil::inductance(2, 50, 0.5), "#,##0.###", NumberFormat::italian()), "0,003");
}

TEST(UhfCoil, LogarithmOfNonPositiveOrOverflowIsAFault) {
    const Case faults[] = {
        {1, 20, 0, 0},      // the distance reads as zero
        {1, 20, -5, 0},     // the distance below the plane
        {-1, -20, 5, 0},    // negative radius, positive distance
        {1, 1e200, 5, 0},   // l squared leaves the double range
        {1, 20, 2e38, 0},   // 2h beyond single precision
    };
    for (const auto& c : faults) EXPECT_THROW(uhf_coil::inductance(c.d, c.l, c.h), CalcFault) << c.l << " " << c.h;
}

}  // namespace
}  // namespace ondalab
