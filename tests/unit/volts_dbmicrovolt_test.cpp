#include "calc/volts/dbmicrovolt.h"

#include <gtest/gtest.h>

#include <limits>

#include "common/fault.h"

namespace ondalab::dbmicrovolt {
namespace {

struct Case {
    double microvolts, decibels;
};

TEST(DbMicrovolt, BothWays) {
    // 20 log10(uV), worked by hand
    const Case cases[] = {{1, 0}, {1000, 60}, {1000000, 120}, {2, 6.020599913279624}, {0.5, -6.020599913279624},
                          {1.9952623149688795, 6}};
    for (const auto& c : cases) {
        EXPECT_NEAR(fromMicrovolts(c.microvolts), c.decibels, 1e-12) << c.microvolts;
        EXPECT_NEAR(toMicrovolts(c.decibels), c.microvolts, c.microvolts * 1e-13) << c.decibels;
    }
}

TEST(DbMicrovolt, FaultsOutsideTheDomain) {
    EXPECT_THROW(fromMicrovolts(0), CalcFault);
    EXPECT_THROW(fromMicrovolts(-5), CalcFault);
    EXPECT_THROW(fromMicrovolts(std::numeric_limits<double>::infinity()), CalcFault);
    EXPECT_THROW(toMicrovolts(7000), CalcFault);
}

}  // namespace
}  // namespace ondalab::dbmicrovolt
