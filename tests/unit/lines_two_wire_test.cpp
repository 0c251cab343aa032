#include <gtest/gtest.h>

#include "calc/lines/two_wire.h"
#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab::two_wire {
namespace {

struct Case {
    double distance, diameter;
    double impedance;   // held in single precision
    const char* shown;  // through "#,##0"
};

// Worked independently (python): 120 x ln(D / (d / 2)) in single precision.
TEST(LinesTwoWire, WorkedCases) {
    const Case cases[] = {
        {100, 2, 552.6204223632812, "553"},
        {150, 2, 601.2762451171875, "601"},
        {20, 2, 359.4878845214844, "359"},
        {10, 4, 193.13255310058594, "193"},
        {1, 2, 0, "0"},
        {0.5, 2, -83.17765808105469, "-83"},
        {-100, -2, 552.6204223632812, "553"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(impedance(c.distance, c.diameter), c.impedance) << c.distance << " " << c.diameter;
        EXPECT_EQ(maskedText(impedance(c.distance, c.diameter), "#,##0", NumberFormat::italian()), c.shown);
    }
    EXPECT_THROW(impedance(1e300, 1e-300), CalcFault);  // D / r beyond the double range
    EXPECT_THROW(impedance(1e-300, 1e300), CalcFault);  // D / r = 0, no logarithm
}

}  // namespace
}  // namespace ondalab::two_wire
