#include <gtest/gtest.h>

#include "calc/antennas/capacitive_hat.h"
#include "common/fault.h"

namespace ondalab {
namespace {

struct Case {
    double length, diameter, frequency;
    double degrees, impedance, reactance, capacitance, hatDiameter;
};

// Expected values worked out independently (python, same constants, C / 0.9
// held in single precision before the 2.54).
TEST(CapacitiveHat, WorkedCases) {
    const Case cases[] = {
        {5, 5, 7, 42.0, 299.4878728264789, 269.6604756493964, 84.35775628399672, 238.07634017944335},
        {3, 3, 14, 50.39999999999999, 299.4878728264789, 362.0190800208831, 31.41816818459706,
         88.66905479431152},
        {10, 5, 3.6, 43.2, 341.0767036600756, 320.29278684985803, 138.0990519781072, 389.74621032714845},
        {10.2, 5, 7, 85.67999999999999, 342.26486129784644, 4530.827235679806, 5.020706264216078,
         14.169549350738526},
    };
    for (const auto& c : cases) {
        const auto r = capacitive_hat::solve(c.length, c.diameter, c.frequency);
        EXPECT_NEAR(r.degrees, c.degrees, 1e-12) << c.length;
        EXPECT_NEAR(r.impedance, c.impedance, 1e-9) << c.length;
        EXPECT_NEAR(r.reactance, c.reactance, 1e-8) << c.length;
        EXPECT_NEAR(r.capacitance, c.capacitance, 1e-9) << c.length;
        EXPECT_NEAR(r.hatDiameter, c.hatDiameter, 1e-9) << c.length;
    }
}

TEST(CapacitiveHat, QuarterWaveNeedsNoLoad) {
    EXPECT_TRUE(capacitive_hat::needsNoLoad(10.3, 7));  // 72 / 7 = 10.2857...
    EXPECT_FALSE(capacitive_hat::needsNoLoad(10.2, 7));
    EXPECT_TRUE(capacitive_hat::needsNoLoad(72.0 / 7, 7));
}

TEST(CapacitiveHat, FaultCases) {
    // 400h / D = e exactly would divide by zero; below it the impedance is negative
    EXPECT_THROW(capacitive_hat::solve(0.01, 4, 7), CalcFault);  // 400h / D = 1
    EXPECT_THROW(capacitive_hat::solve(0.01, 2, 7), CalcFault);  // 400h / D = 2 < e
    // a negative length and frequency pass the product check: ln of a negative
    EXPECT_THROW(capacitive_hat::solve(-5, 5, -7), CalcFault);
}

}  // namespace
}  // namespace ondalab
