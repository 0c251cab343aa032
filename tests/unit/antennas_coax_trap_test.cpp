#include "calc/antennas/coax_trap.h"

#include <gtest/gtest.h>

#include "common/fault.h"

namespace ondalab {
namespace {

using coax_trap::Cable;
using coax_trap::Inputs;

struct Case {
    Inputs in;
    Cable cable;
    double cableLength, capacitance, inductance, resonance, ratio, armA, armB;
    int cableCm;
};

// Expected values worked out independently (python, same constants, the
// cable length rounded to single precision).
TEST(CoaxTrap, WorkedCases) {
    const Case cases[] = {
        {{14.15, 7.05, 6, 8}, coax_trap::kRG58, 165.27999877929688, 154.53679885864258, 3.843201910230535,
         6.530669866932467, 1.625, 5.088339222614841, 9.191489361702128, 165},
        {{14.15, 7.05, 4, 6}, coax_trap::kRG174U, 82.16419982910156, 81.34255783081055, 1.8623024424363672,
         12.931123756916854, 2.781045751633987, 5.088339222614841, 9.191489361702128, 82},
        {{28.4, 14.15, 5, 5}, coax_trap::kRG58, 88.3499984741211, 82.60724857330322, 1.496161911921814,
         14.316007294538588, 2.2, 2.535211267605634, 4.579505300353357, 88},
        // 80.5 cm exactly: the 16-bit rounding goes to the even 80
        {{14.15, 7.05, 2, 10}, coax_trap::kRG58, 80.5, 75.2675, 1.0043387433713644, 18.305282395583266, 0.5,
         5.088339222614841, 9.191489361702128, 80},
        // 237.5 cm exactly: up to the even 238
        {{14.15, 7.05, 14.5, 5}, coax_trap::kRG58, 237.5, 222.0625, 0, 0, 0, 5.088339222614841, 9.191489361702128,
         238},
    };
    for (const auto& c : cases) {
        const auto r = coax_trap::solve(c.in, c.cable);
        EXPECT_DOUBLE_EQ(r.cableLength, c.cableLength) << c.in.diameter;
        EXPECT_NEAR(r.capacitance, c.capacitance, 1e-9) << c.in.diameter;
        if (c.inductance != 0) {
            EXPECT_NEAR(r.inductance, c.inductance, 1e-12) << c.in.diameter;
            EXPECT_NEAR(r.resonance, c.resonance, 1e-9) << c.in.diameter;
            EXPECT_NEAR(r.ratio, c.ratio, 1e-12) << c.in.diameter;
        }
        EXPECT_NEAR(r.armA, c.armA, 1e-12);
        EXPECT_NEAR(r.armB, c.armB, 1e-12);
        EXPECT_EQ(r.cableCm, c.cableCm) << c.in.diameter;
    }
}

TEST(CoaxTrap, FaultCases) {
    struct FaultCase {
        const char* what;
        Inputs in;
        Cable cable;
    };
    const FaultCase cases[] = {
        // 2 + 10 x 6.28 x 550.25 = 34557.7 cm: beyond a 16-bit integer
        {"cable length overflows 16 bits", {14.15, 7.05, 1100, 10}, coax_trap::kRG58},
        // negative D and N: L < 0 while C > 0, no square root of L x C
        {"negative L x C", {14.15, 7.05, -2, -1}, coax_trap::kRG174U},
        // D = -2 s: the turn radius is zero, L is zero and f0 divides by it
        {"zero inductance", {14.15, 7.05, -0.5, -2}, coax_trap::kRG58},
    };
    for (const auto& c : cases) EXPECT_THROW(coax_trap::solve(c.in, c.cable), CalcFault) << c.what;
}

TEST(CoaxTrap, LongestCableThatFits) {
    // 31417.7 cm still fits: 31418
    EXPECT_EQ(coax_trap::solve({14.15, 7.05, 1000, 10}, coax_trap::kRG58).cableCm, 31418);
}

}  // namespace
}  // namespace ondalab
