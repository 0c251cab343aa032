#include "calc/antennas/shortened_vertical.h"

#include <gtest/gtest.h>

#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab {
namespace {

struct Case {
    double length, height, diameter, frequency;
    double inductance;
    double degrees;  // held in single precision, before the one-decimal rounding
};

// Expected values worked out independently (python, same constants, the
// height held in single precision as the form holds it).
TEST(ShortenedVertical, WorkedCases) {
    const Case cases[] = {
        {5, 1, 20, 7, 8.695828931812184, 42.0},
        {2, 0.5, 10, 14, 6.094271271555633, 33.599998474121094},
        {10.1, 1, 20, 7, 0.10184424309236577, 84.83999633789062},
        {3, 0.1, 10, 7, 15.649187881162128, 25.200000762939453},
    };
    for (const auto& c : cases) {
        using namespace shortened_vertical;
        EXPECT_NEAR(inductance(c.length, toSingle(c.height), c.diameter, c.frequency), c.inductance, 1e-9)
            << c.length;
        EXPECT_DOUBLE_EQ(degrees(c.length, c.frequency), c.degrees) << c.length;
    }
    EXPECT_NEAR(shortened_vertical::radiation(42), 5.653846153846154, 1e-12);
}

TEST(ShortenedVertical, FaultCases) {
    using namespace shortened_vertical;
    // negative height and diameter: the lower-section logarithm is negative
    EXPECT_THROW(inductance(5, -1, -20, 7), CalcFault);
    // the coil at the very top: ln(0) for the upper section
    EXPECT_THROW(inductance(5, 5, 20, 7), CalcFault);
    EXPECT_THROW(coilFactor(0), CalcFault);
}

}  // namespace
}  // namespace ondalab
