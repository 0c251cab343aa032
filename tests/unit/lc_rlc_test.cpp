#include "calc/lc/rlc.h"

#include <gtest/gtest.h>

#include "common/fault.h"

namespace ondalab {
namespace {

// Worked by hand / python: 7 x 6.283184 x 10 = 439.82288; 159190 / 700.
TEST(Rlc, Reactances) {
    struct Case {
        double f, l, c, xl, xc;
    };
    const Case cases[] = {
        {7, 10, 100, 439.82288, 227.41428571428571},
        {5, 1, 1000, 31.41592, 31.838},
        {1, 1000, 1, 6283.184, 159190},
    };
    for (const auto& k : cases) {
        EXPECT_NEAR(rlc::inductiveReactance(k.f, k.l), k.xl, 1e-9) << k.f;
        EXPECT_NEAR(rlc::capacitiveReactance(k.c, k.f), k.xc, 1e-9) << k.f;
    }
}

TEST(Rlc, ImpedancesAndPhase) {
    struct Case {
        double x, r, series, parallel, deg;
    };
    const Case cases[] = {
        {212.41, 50, 218.21550838563238, 48.66977639935361, 76.75408},
        {-0.42, 10, 10.008816113806867, -0.41963004937279297, -2.40501},
        {0, 10, 10, 0, 0},
        {-667.23, -50, 669.1007942754215, 49.86020086275286, 85.71447},
    };
    for (const auto& k : cases) {
        EXPECT_NEAR(rlc::seriesImpedance(k.x, k.r), k.series, 1e-9) << k.x;
        EXPECT_NEAR(rlc::parallelImpedance(k.x, k.r), k.parallel, 1e-9) << k.x;
        EXPECT_NEAR(rlc::degrees(rlc::phaseRadians(k.x, k.r)), k.deg, 1e-4) << k.x;
    }
    // 3.141592 rather than pi: atan(1) gives 45.00000936..., not 45
    EXPECT_NEAR(rlc::degrees(rlc::phaseRadians(1, 1)), 45.000009361986116, 1e-9);
}

TEST(Rlc, PhaseBySignOfTheNetReactance) {
    EXPECT_EQ(rlc::phaseOf(0.01), rlc::Phase::Leads);
    EXPECT_EQ(rlc::phaseOf(0), rlc::Phase::Resonance);
    EXPECT_EQ(rlc::phaseOf(-0.01), rlc::Phase::Lags);
}

TEST(Rlc, OverflowIsAFault) {
    EXPECT_THROW(rlc::inductiveReactance(1e300, 1e10), CalcFault);
    EXPECT_THROW(rlc::capacitiveReactance(1e300, 1e10), CalcFault);
    EXPECT_THROW(rlc::seriesImpedance(6.3e200, 1), CalcFault);
    EXPECT_THROW(rlc::parallelImpedance(6.3e200, 1), CalcFault);
    EXPECT_THROW(rlc::phaseRadians(1e10, 1e-300), CalcFault);
}

}  // namespace
}  // namespace ondalab
