#include "calc/volts/rms.h"

#include <gtest/gtest.h>

#include "common/fault.h"

namespace ondalab::rms {
namespace {

struct Case {
    Known known;
    double volts, first, second;
};

TEST(RmsVolts, ConvertsWithTheThreeDecimalFactors) {
    // 1.414, 0.707, 2.828 and 2, worked by hand
    const Case cases[] = {
        {Known::Rms, 10, 14.14, 28.28},        {Known::Rms, 230, 325.22, 650.44},
        {Known::Peak, 10, 7.07, 20},           {Known::PeakToPeak, 10, 3.5360678925035357, 5},
        {Known::PeakToPeak, 2.828, 1, 1.414},
    };
    for (const auto& c : cases) {
        const Others o = convert(c.known, c.volts);
        EXPECT_NEAR(o.first, c.first, 1e-12) << c.volts;
        EXPECT_NEAR(o.second, c.second, 1e-12) << c.volts;
    }
}

TEST(RmsVolts, AverageFromThePeak) {
    EXPECT_NEAR(average(14.14), 9.00718, 1e-12);
    EXPECT_NEAR(average(10), 6.37, 1e-12);
    EXPECT_NEAR(average(5), 3.185, 1e-12);
}

TEST(RmsVolts, OverflowFaults) {
    EXPECT_THROW(convert(Known::Rms, 1e308), CalcFault);
    EXPECT_THROW(average(1e308 * 10), CalcFault);
}

}  // namespace
}  // namespace ondalab::rms
