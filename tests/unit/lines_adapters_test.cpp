#include <gtest/gtest.h>

#include "calc/lines/adapters.h"
#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab::adapters {
namespace {

struct Case {
    double frequency, antenna;
    coax_cable::Cable cable;
    double impedance, length;
    const char *impedanceShown, *lengthShown;  // through "#,##0.###"
};

// Worked independently (python): sqrt(Zc x Za) and V x 75 / F.
TEST(LinesAdapters, WorkedCases) {
    const Case cases[] = {
        {14, 100, coax_cable::kFiftyOhm, 70.71067811865476, 3.5357142857142856, "70,711", "3,536"},
        {14, 100, coax_cable::kSeventyFiveOhm, 86.60254037844386, 4.285714285714286, "86,603", "4,286"},
        {7.05, 300, coax_cable::kSeventyFiveOhm, 150, 8.51063829787234, "150,", "8,511"},
        {145, 200, coax_cable::kFiftyOhm, 100, 0.3413793103448276, "100,", "0,341"},
        {-14, -100, coax_cable::kFiftyOhm, -1, -3.5357142857142856, "", "-3,536"},  // no impedance
    };
    const NumberFormat it = NumberFormat::italian();
    for (const auto& c : cases) {
        if (c.impedance >= 0) {
            EXPECT_NEAR(sectionImpedance(c.cable, c.antenna), c.impedance, 1e-12) << c.frequency;
            EXPECT_EQ(maskedText(sectionImpedance(c.cable, c.antenna), "#,##0.###", it), c.impedanceShown);
        } else {
            EXPECT_THROW(sectionImpedance(c.cable, c.antenna), CalcFault) << c.antenna;
        }
        EXPECT_NEAR(sectionLength(c.cable, c.frequency), c.length, 1e-14) << c.frequency;
        EXPECT_EQ(maskedText(sectionLength(c.cable, c.frequency), "#,##0.###", it), c.lengthShown);
    }
    EXPECT_THROW(sectionLength(coax_cable::kFiftyOhm, 1e-320), CalcFault);
}

}  // namespace
}  // namespace ondalab::adapters
