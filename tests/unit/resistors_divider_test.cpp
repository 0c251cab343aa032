// I = V / (R1 + R2) in single precision (R2 held in single as read),
// V1 = I R1, V2 = I R2 in single precision, the shown current to four
// decimals; worked with an independent script.
#include <gtest/gtest.h>

#include "calc/resistors/divider.h"
#include "common/fault.h"

namespace ondalab::divider {
namespace {

struct Row {
    double volts, r1, r2;
    double current, v1, v2, shownCurrent;
};

TEST(ResistorsDivider, WorkedExamples) {
    // 0.004 and 0.001 are not floats: the singles nearest them
    constexpr double i4mA = 0.004000000189989805, i1mA = 0.0010000000474974513;
    const Row rows[] = {
        {12, 1000, 2000, i4mA, 4.000000189989805, 8, i4mA},
        {9, 4700, 4700, 0.0009574468131177127, 4.50000002165325, 4.5, i1mA},
        {12, -1000, -2000, -i4mA, 4.000000189989805, 8, -i4mA},
        {0.001, 1000, 1e6, 9.990009930405108e-10, 9.990009930405108e-07, 0.0009990009712055326, 0},
    };
    for (const auto& r : rows) {
        const Divider d = solve(r.volts, r.r1, r.r2);
        EXPECT_EQ(d.current, r.current) << r.volts << " " << r.r1 << " " << r.r2;
        EXPECT_DOUBLE_EQ(d.v1, r.v1) << r.volts << " " << r.r1 << " " << r.r2;
        EXPECT_EQ(d.v2, r.v2) << r.volts << " " << r.r1 << " " << r.r2;
        EXPECT_EQ(d.shownCurrent, r.shownCurrent) << r.volts << " " << r.r1 << " " << r.r2;
    }
}

TEST(ResistorsDivider, FaultCases) {
    EXPECT_THROW(solve(-12, -1000, 1000), CalcFault);  // R1 = -R2 passes the product check
    EXPECT_THROW(solve(1e300, 1, 1), CalcFault);       // current beyond the single range
}

}  // namespace
}  // namespace ondalab::divider
