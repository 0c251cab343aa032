#include <gtest/gtest.h>

#include "calc/lines/gamma_match.h"
#include "common/fault.h"

namespace ondalab::gamma_match {
namespace {

struct Case {
    double frequency;
    double wavelength, stub, spacing, capacitance;
    int cable;
};

// Worked independently (python): 299.793 / F, x 6.25, x 0.7, 2100 / F held
// in single precision and rounded half to even, C / 0.97 + 1 likewise.
TEST(LinesGammaMatch, WorkedCases) {
    const Case cases[] = {
        {14, 21.413785714285716, 133.8361607142857, 14.98965, 150, 156},
        {28.5, 10.519052631578948, 65.74407894736842, 7.363336842105263, 74, 77},
        {144, 2.0818958333333333, 13.011848958333333, 1.4573270833333332, 15, 16},
        {7.05, 42.52382978723404, 265.7739361702128, 29.76668085106383, 298, 308},
        {2100.0 / 2.5, 0.35689642857142856, 2.2306026785714286, 0.24982749999999998, 2, 3},  // 2.5 goes to 2
        {2100.0 / 3.5, 0.499655, 3.12284375, 0.34975849999999997, 4, 5},                     // 3.5 goes to 4
    };
    for (const auto& c : cases) {
        const Result r = solve(c.frequency);
        EXPECT_NEAR(r.wavelength, c.wavelength, 1e-12) << c.frequency;
        EXPECT_NEAR(r.stub, c.stub, 1e-12) << c.frequency;
        EXPECT_NEAR(r.spacing, c.spacing, 1e-12) << c.frequency;
        EXPECT_EQ(r.capacitance, c.capacitance) << c.frequency;
        EXPECT_EQ(r.cableCm, c.cable) << c.frequency;
    }
}

TEST(LinesGammaMatch, SixteenBitFaults) {
    EXPECT_THROW(solve(0.06), CalcFault);     // 2100 / F = 35000 pF
    EXPECT_THROW(solve(0.0656), CalcFault);   // C = 32012 fits, the cable (33003 cm) does not
    EXPECT_EQ(solve(0.0675).cableCm, 32074);  // C = 31111, cable 32074.2
}

}  // namespace
}  // namespace ondalab::gamma_match
