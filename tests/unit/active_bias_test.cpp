// Common-emitter bias steps: expected values worked out by hand (and in a
// python3 check) from R3 = Rc / 5, R4 = R3 / G, Ic = (Vcc / 2) / (R3 + R4)
// in single precision, R2 = R4 beta / 10, R1 = R2 Vcc / (Ve + 0.65), with
// R3 and R2 already rounded to whole ohms as the form rounds them.
#include <gtest/gtest.h>

#include "calc/active/bias.h"
#include "common/fault.h"

namespace ondalab::bias {
namespace {

struct Row {
    double vcc, load, gain, beta;
    double r3;  // collector resistor, whole ohms
    int r4;
    double ic, icMa, ib, ip;  // ampere; mA
    double r2;                // base resistor, whole ohms
    double r1, signal, zi;
};

TEST(ActiveBias, WorkedExamples) {
    const Row rows[] = {
        // the defaults with beta 100: Ic = 6 / 10340 held in single precision
        {12, 47000, 10, 100, 9400, 940, 0.0005802707746624947, 0.5802707672119141, 0.0058027076721191406,
         0.058027077466249466, 9400, 94357.41581193515, 0.96, 6580},
        {12, 47000, 10, 200, 9400, 940, 0.0005802707746624947, 0.5802707672119141, 0.0029013538360595703,
         0.029013538733124733, 18800, 188714.8316238703, 0.96, 13160},
        // gain above 20: 940 / 25 = 37.6 rounds to 38
        {24, 4700, 25, 80, 940, 38, 0.012269938364624977, 12.269938468933105, 0.15337423086166382,
         1.5337423086166382, 304, 6536.12537271645, 0.768, 212.8},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(collectorResistor(r.load), r.r3) << r.load;
        EXPECT_EQ(emitterResistor(r.r3, r.gain), r.r4) << r.load;
        const double ic = collectorCurrent(r.vcc, r.r3, r.r4);
        EXPECT_EQ(ic, r.ic) << r.load;
        EXPECT_EQ(milliamperes(ic), r.icMa) << r.load;
        EXPECT_NEAR(baseCurrent(r.icMa, r.beta), r.ib, 1e-15) << r.load;
        EXPECT_EQ(dividerCurrent(baseCurrent(r.icMa, r.beta)), r.ip) << r.load;
        EXPECT_EQ(baseResistor(r.r4, r.beta), r.r2) << r.load;
        EXPECT_NEAR(supplyResistor(r.r2, r.vcc, r.r4 * ic), r.r1, 1e-8) << r.load;
        EXPECT_NEAR(maxSignal(r.vcc, r.gain), r.signal, 1e-12) << r.load;
        EXPECT_NEAR(inputImpedance(r.r2), r.zi, 1e-9) << r.load;
    }
    EXPECT_EQ(emitterResistor(5, 2), 2);  // 2.5: a half rounds to the even neighbour
    EXPECT_NEAR(baseVoltage(0.545454528182745), 1.245454528182745, 1e-15);
    EXPECT_FALSE(gainTooHigh(20));
    EXPECT_TRUE(gainTooHigh(20.5));
}

TEST(ActiveBias, FaultCases) {
    EXPECT_THROW(emitterResistor(327680, 10), CalcFault);   // 32768 beyond 16 bits
    EXPECT_THROW(collectorCurrent(-12, 5, -5), CalcFault);  // G = -1 makes R3 + R4 = 0
    EXPECT_THROW(supplyResistor(9400, 12, -0.65), CalcFault);
}

}  // namespace
}  // namespace ondalab::bias
