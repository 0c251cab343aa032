#include "calc/antennas/dipoles.h"

#include <gtest/gtest.h>

#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab {
namespace {

struct ArmCase {
    double typed;  // MHz as typed; the form holds it in single precision
    double straight;
    double invertedV;
};

// Worked out by hand (71.3 / f and 71 / f, the latter rounded to single).
TEST(DipoleArms, QuarterWaveArms) {
    const ArmCase cases[] = {
        {7.05, 10.113474903689042, 10.070921897888184},
        {14, 5.0928571428571425, 5.0714287757873535},
        {3.5, 20.37142857142857, 20.285715103149414},
        {-7, -10.185714285714285, -10.142857551574707},
        {3.68, 19.374999648526963, 19.29347801208496},
    };
    for (const auto& c : cases) {
        const auto a = dipoles::arms(toSingle(c.typed));
        EXPECT_NEAR(a.straight, c.straight, 1e-9) << c.typed;
        EXPECT_DOUBLE_EQ(a.invertedV, c.invertedV) << c.typed;
    }
}

TEST(DipoleArms, SingleHeldFrequencyShiftsTheRounding) {
    // 3.68 held in single precision is a hair above 3.68: the arm falls
    // just below 19.375 and so rounds to 19.37, not 19.38.
    const auto a = dipoles::arms(toSingle(3.68));
    EXPECT_LT(a.straight, 19.375);
    EXPECT_EQ(maskedText(a.straight, "#0.##", NumberFormat::italian()), "19,37");
    EXPECT_EQ(maskedText(dipoles::arms(toSingle(7.1)).invertedV, "#0.##", NumberFormat::italian()), "10,");
}

TEST(DipoleArms, ZeroFrequencyIsAFault) {
    EXPECT_THROW(dipoles::arms(0.0), CalcFault);
    EXPECT_THROW(dipoles::arms(-0.0), CalcFault);
}

TEST(DipoleArms, InvertedVBeyondSinglePrecisionIsAFault) {
    // 71 / 1e-40 fits a double but not a single
    EXPECT_THROW(dipoles::arms(1e-40), CalcFault);
}

}  // namespace
}  // namespace ondalab
