#include <gtest/gtest.h>

#include "calc/antennas/direct_wave.h"

namespace ondalab {
namespace {

// 4.124 sqrt(h) rounded half to even, worked by hand.
TEST(DirectWave, WorkedCases) {
    const struct {
        double height;
        int km;
    } cases[] = {
        {100, 41},   {10, 13}, {1000, 130}, {2.5, 7},  // 6.52
        {5000, 292},                                   // 291.61
        {0.01, 0},                                     // 0.41
        {5, 9},      {50, 29}, {500, 92},
    };
    for (const auto& c : cases) EXPECT_EQ(direct_wave::distanceKm(c.height), c.km) << c.height;
}

}  // namespace
}  // namespace ondalab
