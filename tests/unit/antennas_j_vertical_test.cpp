#include <gtest/gtest.h>

#include "calc/antennas/j_vertical.h"
#include "common/fault.h"

namespace ondalab {
namespace {

using j_vertical::Band;

struct Case {
    double frequency;
    int radiator, line;
    double feed;
    Band band;
};

// 21600 / F and 7250 / F rounded half to even, worked by hand.
TEST(JVertical, WorkedCases) {
    const Case cases[] = {
        {145, 149, 50, 6, Band::Vhf},                                    // 148.97, 50
        {433, 50, 17, 4, Band::Uhf},                                     // 49.88, 16.74
        {50, 432, 145, 8, Band::Low},      {300, 72, 24, 6, Band::Vhf},  // 300 itself is still VHF
        {90, 240, 81, 8, Band::Low},                                     // 90 itself is the low band; 80.56
        {0.7, 30857, 10357, 8, Band::Low},
    };
    for (const auto& c : cases) {
        const auto r = j_vertical::solve(c.frequency);
        EXPECT_EQ(r.radiator, c.radiator) << c.frequency;
        EXPECT_EQ(r.line, c.line) << c.frequency;
        EXPECT_EQ(r.feed, c.feed) << c.frequency;
        EXPECT_EQ(r.band, c.band) << c.frequency;
    }
}

TEST(JVertical, RadiatorBeyondSixteenBitsFaults) {
    EXPECT_THROW(j_vertical::solve(0.65), CalcFault);  // 33231 cm
}

}  // namespace
}  // namespace ondalab
