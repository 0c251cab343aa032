// R = (Vcc - Vz) / (I + Iz) x 1000 to a 16-bit integer (halves to even),
// P = (I + Iz) (Vcc - Vz) / 1000 in single precision; worked by hand and
// checked with an independent script.
#include <gtest/gtest.h>

#include "calc/resistors/zener.h"
#include "common/fault.h"

namespace ondalab::zener {
namespace {

struct Row {
    double vcc, vz, milliamps;
    std::int16_t zener;
    std::int16_t ohms;
    double watts;
};

TEST(ResistorsZener, WorkedExamples) {
    const Row rows[] = {
        {12, 5.1, 10, 20, 230, 0.2070000022649765},
        {12, 5.1, 10, 40, 138, 0.3449999988079071},
        {12, 5.1, 10, 30, 173, 0.2759999930858612},   // 172.50000000000003: not a tie
        {3.6, 0.3, 4, 20, 138, 0.07919999957084656},  // 137.5 goes to the even 138
        {3, 0.3, 4, 20, 112, 0.06480000168085098},    // 112.5 goes to the even 112
        {12, 12, 10, 20, 0, 0},
    };
    for (const auto& r : rows) {
        const Dropper d = solve(r.vcc, r.vz, r.milliamps, r.zener);
        EXPECT_EQ(d.ohms, r.ohms) << r.vcc << " " << r.vz << " " << r.milliamps << " " << r.zener;
        EXPECT_EQ(d.watts, r.watts) << r.vcc << " " << r.vz << " " << r.milliamps << " " << r.zener;
    }
}

TEST(ResistorsZener, FaultCases) {
    EXPECT_THROW(solve(-12, -5, -20, 20), CalcFault);  // I + Iz = 0
    EXPECT_THROW(solve(1000, 5, 1, 20), CalcFault);    // 47381 ohm beyond the 16-bit range
}

}  // namespace
}  // namespace ondalab::zener
