#include "calc/antennas/multiband.h"

#include <gtest/gtest.h>

#include "common/fault.h"

namespace ondalab {
namespace {

struct Case {
    double high, low, known;
    double a, b, other;
};

// Expected values worked out independently (python, same constants).
TEST(MultibandDipole, WorkedCases) {
    const Case cases[] = {
        {14.15, 7.05, 20, 5.028268551236749, 8.376524822695036, 6.317971256976614},
        {28.5, 14.2, 10, 2.4964912280701754, 4.158767605633804, 3.1148045552477686},
        {14.15, 7.05, 6.32, 5.028268551236749, 8.376524822695036, 19.99357992714118},
        {20, 7, 1012, 3.5575, 8.436357142857142, 0.0625},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(multiband::sectionA(c.high), c.a, 1e-12) << c.high;
        EXPECT_NEAR(multiband::sectionB(c.low), c.b, 1e-12) << c.low;
        EXPECT_NEAR(multiband::otherComponent(c.high, c.known), c.other, 1e-12) << c.high;
    }
}

TEST(MultibandDipole, UnderflowingDenominatorIsAFault) {
    // F1^2 underflows to 0 although F1 itself is not 0
    EXPECT_THROW(multiband::otherComponent(1e-200, 1), CalcFault);
    EXPECT_THROW(multiband::otherComponent(14.15, 0), CalcFault);
}

}  // namespace
}  // namespace ondalab
