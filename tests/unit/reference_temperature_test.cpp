#include "calc/reference/temperature.h"

#include <gtest/gtest.h>

#include "common/fault.h"

namespace ondalab::temperature {
namespace {

struct Case {
    double celsius, fahrenheit, reaumur, kelvin;
};

TEST(Temperature, ConvertsCelsius) {
    // F = C x 9 / 5 + 32, R = 0.8 C, K = C + 273 held in single precision
    const Case cases[] = {
        {0, 32, 0, 273},
        {100, 212, 80, 373},
        {-40, -40, -32, 233},
        {36.6, 97.88, 29.28, 309.6000061035156},
        {12345.678, 22254.2204, 9876.5424, 12618.677734375},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(fahrenheit(c.celsius), c.fahrenheit, 1e-9) << c.celsius;
        EXPECT_NEAR(reaumur(c.celsius), c.reaumur, 1e-9) << c.celsius;
        EXPECT_EQ(kelvin(c.celsius), c.kelvin) << c.celsius;
    }
}

TEST(Temperature, OutOfRangeFaults) {
    EXPECT_THROW(fahrenheit(1e308), CalcFault);
    EXPECT_THROW(kelvin(1e39), CalcFault);  // beyond single precision
}

}  // namespace
}  // namespace ondalab::temperature
