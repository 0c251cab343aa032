// RMS = p V / 100 to three decimals, peak 1.4 RMS, peak-to-peak 2.8 RMS to
// three decimals, C = 10^6 I / (100 peak-to-peak) to whole microfarad:
// worked by hand and checked with an independent script.
#include <gtest/gtest.h>

#include "calc/capacitors/ripple.h"
#include "common/fault.h"

namespace ondalab::ripple {
namespace {

struct Row {
    double percent, volts, amperes;
    double rms, peak, peakToPeak, microfarad;
};

TEST(CapacitorsRipple, WorkedExamples) {
    const Row rows[] = {
        {2, 18, 1, 0.36, 0.504, 1.008, 9921},            // 9920.63...
        {5, 12, 0.5, 0.6, 0.84, 1.68, 2976},             // 2976.19...
        {1, 30, 2, 0.3, 0.42, 0.84, 23810},              // 23809.52...
        {2, 18, 0.1, 0.36, 0.504, 1.008, 992},           // 992.06...
        {2, 50, 1, 1, 1.4, 2.8, 3571},                   // 3571.43...
        {2, 25, 0.12719, 0.5, 0.7, 1.4, 909},            // 908.5: the half goes up
        {1, 0.0625, 0.001, 0.001, 0.0014, 0.003, 3333},  // 0.000625 rounds up to 0.001
    };
    for (const auto& r : rows) {
        const Ripple got = solve(r.percent, r.volts, r.amperes);
        EXPECT_EQ(got.rms, r.rms) << r.percent << " " << r.volts << " " << r.amperes;
        EXPECT_DOUBLE_EQ(got.peak, r.peak) << r.percent << " " << r.volts << " " << r.amperes;
        EXPECT_EQ(got.peakToPeak, r.peakToPeak) << r.percent << " " << r.volts << " " << r.amperes;
        EXPECT_EQ(got.microfarad, r.microfarad) << r.percent << " " << r.volts << " " << r.amperes;
    }
}

TEST(CapacitorsRipple, FaultCases) {
    EXPECT_THROW(solve(0, 18, 1), CalcFault);         // peak-to-peak 0: division by zero
    EXPECT_THROW(solve(1, 0.04, 1), CalcFault);       // RMS 0.0004 rounds to 0
    EXPECT_THROW(solve(1e300, 1e300, 1), CalcFault);  // RMS beyond the double range
    EXPECT_THROW(solve(2, 18, 1e40), CalcFault);      // capacitance beyond the single range
}

}  // namespace
}  // namespace ondalab::ripple
