#include "calc/volts/dbw.h"

#include <gtest/gtest.h>

#include "common/fault.h"

namespace ondalab::dbw {
namespace {

struct PowerCase {
    double dbw, watts;
};

TEST(PowerLevels, DbwAndWattsBothWays) {
    const PowerCase cases[] = {{0, 1}, {-30, 0.001}, {20, 100}, {50, 100000}, {3.0102999566398, 2}, {-100, 1e-10}};
    for (const auto& c : cases) {
        EXPECT_NEAR(wattsFromDbw(c.dbw), c.watts, c.watts * 1e-12) << c.dbw;
        EXPECT_NEAR(dbwFromWatts(c.watts), c.dbw, 1e-11) << c.watts;
    }
}

struct VoltCase {
    double watts, ohms, volts;
};

TEST(PowerLevels, RmsVoltsAcrossTheLoad) {
    // square roots worked by hand: sqrt(50) and sqrt(75)
    const VoltCase cases[] = {
        {1, kLowOhms, 7.0710678118654755}, {1, kHighOhms, 8.660254037844387}, {100, kLowOhms, 70.71067811865476},
        {0.001, kLowOhms, 0.22360679774997896}, {0, kHighOhms, 0},
    };
    for (const auto& c : cases) EXPECT_NEAR(volts(c.watts, c.ohms), c.volts, 1e-12) << c.watts;
}

TEST(PowerLevels, FaultsOutsideTheDomain) {
    EXPECT_THROW(dbwFromWatts(0), CalcFault);
    EXPECT_THROW(dbwFromWatts(-1), CalcFault);
    EXPECT_THROW(volts(-1, kLowOhms), CalcFault);
    EXPECT_THROW(wattsFromDbw(4000), CalcFault);
}

}  // namespace
}  // namespace ondalab::dbw
