#include <gtest/gtest.h>

#include "calc/lines/coax_impedance.h"
#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab::coax_impedance {
namespace {

struct Case {
    double outer, inner;
    int option;
    double impedance;
    const char* shown;  // through "#,##0.##"
};

// Worked independently (python): (138 / K) x ln(D / d) / ln 10 with K in
// single precision.
TEST(LinesCoaxImpedance, WorkedCases) {
    const Case cases[] = {
        {3, 1, 0, 65.8039110302072, "65,8"},       {3, 1, 1, 39.90468733497897, "39,9"},
        {3, 1, 2, 28.62727587668187, "28,63"},     {3, 1, 3, 46.36812333888548, "46,37"},
        {10, 3, 2, 31.372725367241177, "31,37"},   {5, 1, 0, 96.40098721893189, "96,4"},
        {-1, -2, 0, -41.51764537032673, "-41,52"},
    };
    for (const auto& c : cases) {
        const double z = impedance(c.outer, c.inner, kDielectric[static_cast<size_t>(c.option)]);
        EXPECT_NEAR(z, c.impedance, 1e-12) << c.outer << " " << c.inner << " " << c.option;
        EXPECT_EQ(maskedText(z, "#,##0.##", NumberFormat::italian()), c.shown);
    }
    EXPECT_THROW(impedance(1e300, 1e-300, kDielectric[0]), CalcFault);  // D / d beyond the double range
    EXPECT_THROW(impedance(1e-300, 1e300, kDielectric[0]), CalcFault);  // D / d = 0
}

}  // namespace
}  // namespace ondalab::coax_impedance
