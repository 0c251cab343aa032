#include <gtest/gtest.h>

#include "calc/lines/swr.h"
#include "common/fault.h"

namespace ondalab::swr {
namespace {

struct Case {
    double ratio;
    double higher, lower, reflected;
};

// Worked independently (python): S x 52, 52 / S, ((S-1)/(S+1))^2 x 100.
TEST(LinesSwr, WorkedCases) {
    const Case cases[] = {
        {1.2, 62.4, 43.333333333333336, 0.826446280991735},
        {2.5, 130, 20.8, 18.36734693877551},
        {2, 104, 26, 11.11111111111111},
        {0.5, 26, 104, 11.11111111111111},
        {1, 52, 52, 0},
        {1000, 52000, 0.052, 99.60079880159799},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(higherImpedance(c.ratio), c.higher, 1e-12) << c.ratio;
        EXPECT_NEAR(lowerImpedance(c.ratio), c.lower, 1e-12) << c.ratio;
        EXPECT_NEAR(reflectedPercent(c.ratio), c.reflected, 1e-12) << c.ratio;
    }
    // what is not reflected, from the shown (rounded) reflected share
    EXPECT_EQ(radiatedPercent(0.8f), 99.19999694824219);
    EXPECT_EQ(radiatedPercent(99.6f), 0.40000152587890625);
}

TEST(LinesSwr, FaultsBeyondTheDoubleRange) {
    EXPECT_THROW(higherImpedance(1e307), CalcFault);
    EXPECT_THROW(lowerImpedance(1e-320), CalcFault);
}

}  // namespace
}  // namespace ondalab::swr
