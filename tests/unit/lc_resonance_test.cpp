// Resonance: F = 10^6 / (sqrt(LC) x 6.283184) kHz, W = sqrt(LC) x 1.885 m,
// R = L / C in single precision; expected values worked out by hand.
#include <gtest/gtest.h>

#include "calc/lc/resonance.h"
#include "common/fault.h"

namespace ondalab::resonance {
namespace {

struct Row {
    double l, c, khz, metres, resistance;
};

TEST(LcResonance, Results) {
    const Row rows[] = {
        {10, 100, 5032.922257518, 59.608933894, 0.10000000149011612},  // sqrt 1000 = 31.6227766
        {1, 1, 159154.976203148, 1.885, 1.0},
        {1, 400, 7957.748810157, 37.7, 0.0024999999441206455},  // 0.0025 as a float
        {-10, -100, 5032.922257518, 59.608933894, 0.10000000149011612},
    };
    for (const auto& r : rows) {
        const auto got = solve(r.l, r.c);
        EXPECT_NEAR(got.kilohertz, r.khz, 1e-6) << r.l << " " << r.c;
        EXPECT_NEAR(got.metres, r.metres, 1e-8) << r.l << " " << r.c;
        EXPECT_EQ(got.resistance, r.resistance) << r.l << " " << r.c;
    }
}

TEST(LcResonance, FaultCases) {
    EXPECT_THROW(solve(1e30, 1e-30), CalcFault);   // L / C beyond the float range
    EXPECT_THROW(solve(1e200, 1e200), CalcFault);  // L x C beyond the double range
}

}  // namespace
}  // namespace ondalab::resonance
