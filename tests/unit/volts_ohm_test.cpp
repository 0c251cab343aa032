#include <gtest/gtest.h>

#include "calc/volts/ohm.h"
#include "common/fault.h"

namespace ondalab {
namespace {

struct OhmRow {
    ohm::Known known;
    double a, b;
    double first, second;
};

// Worked by hand: 12 V / 2 A = 6 ohm, 12 x 2 = 24 W, and so on.
const OhmRow kRows[] = {
    {ohm::Known::VoltAmpere, 12, 2, 6, 24},       {ohm::Known::VoltOhm, 12, 4, 3, 36},
    {ohm::Known::VoltWatt, 12, 6, 0.5, 24},       {ohm::Known::AmpereOhm, 2, 5, 10, 20},
    {ohm::Known::AmpereWatt, 2, 10, 5, 2.5},      {ohm::Known::OhmWatt, 50, 2, 10, 0.2},
    {ohm::Known::VoltAmpere, -12, -2, 6, 24},     {ohm::Known::OhmWatt, 8, 2, 4, 0.5},
};

TEST(OhmLaw, EachKnownPair) {
    for (const auto& r : kRows) {
        const auto got = ohm::solve(r.known, r.a, r.b);
        EXPECT_DOUBLE_EQ(got.first, r.first) << static_cast<int>(r.known) << " " << r.a << " " << r.b;
        EXPECT_DOUBLE_EQ(got.second, r.second) << static_cast<int>(r.known) << " " << r.a << " " << r.b;
    }
}

TEST(OhmLaw, OverflowIsAFaultNotInfinity) {
    EXPECT_THROW(ohm::solve(ohm::Known::AmpereOhm, 1e300, 1e30), CalcFault);
    EXPECT_THROW(ohm::solve(ohm::Known::VoltOhm, 1e200, 1e-200), CalcFault);
}

}  // namespace
}  // namespace ondalab
