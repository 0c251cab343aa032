#include <gtest/gtest.h>

#include "calc/antennas/antenna_signals.h"
#include "common/fault.h"

namespace ondalab {
namespace {

using antenna_signals::Inputs;
using antenna_signals::kDipoleGain;

struct Case {
    Inputs in;
    double density, received, electric, magnetic, voltage;
};

// Expected values worked out independently (python, same constants, H held
// in single precision).
TEST(AntennaSignals, WorkedCases) {
    const Case cases[] = {
        {{100, 10, 14, kDipoleGain, kDipoleGain},
         0.1305732484076433,
         7.828793816199852,
         7.014271166700073,
         18.3540096282959,
         24.23137503764466},
        {{100, 10, 14, 1, 1},
         0.07961783439490445,
         2.910765101204585,
         5.477225575051661,
         14.332073211669922,
         14.775228681490647},
        {{1000, 1, 145, kDipoleGain, kDipoleGain},
         130.57324840764332,
         72.98185911891423,
         221.81073012818837,
         580.4047241210938,
         73.98404850992252},
        // half the distance: S and P_a four times, E, H and V twice
        {{100, 5, 14, kDipoleGain, kDipoleGain},
         0.5222929936305732,
         31.315175264799407,
         14.028542333400146,
         36.7080192565918,
         48.46275007528932},
    };
    for (const auto& c : cases) {
        const auto r = antenna_signals::solve(c.in);
        EXPECT_NEAR(r.density, c.density, 1e-12) << c.in.distance;
        EXPECT_NEAR(r.received, c.received, 1e-11) << c.in.distance;
        EXPECT_NEAR(r.electric, c.electric, 1e-11) << c.in.distance;
        EXPECT_DOUBLE_EQ(r.magnetic, c.magnetic) << c.in.distance;
        EXPECT_NEAR(r.voltage, c.voltage, 1e-11) << c.in.distance;
    }
}

TEST(AntennaSignals, TwoNegativeInputsFault) {
    // the product passes the check, the density is negative: no field strength
    EXPECT_THROW(antenna_signals::solve({-100, -10, 14, kDipoleGain, kDipoleGain}), CalcFault);
    EXPECT_THROW(antenna_signals::solve({100, 10, 14, -1, -1}), CalcFault);
}

}  // namespace
}  // namespace ondalab
