#include <gtest/gtest.h>

#include "calc/lines/electrical_degrees.h"
#include "common/fault.h"

namespace ondalab::electrical_degrees {
namespace {

struct ToDegrees {
    double frequency, metres;
    bool exceeds;
    double degrees;  // held in single precision, before the one-decimal rounding
};

struct ToMetres {
    double frequency, degrees;
    double metres;
};

// Worked independently (python): F x (X x 1.2) in single precision,
// X / (F x 1.2), the wavelength 300 / F.
TEST(LinesElectricalDegrees, WorkedCases) {
    const ToDegrees toDegrees[] = {
        {14, 5, false, 84},   {7.05, 10, false, 84.5999984741211},
        {15, 20, false, 360},                       // exactly one wavelength is accepted
        {14, 25, true, 420},  {-14, -5, true, 84},  // both negative: -5 is longer than -21.4
    };
    for (const auto& c : toDegrees) {
        EXPECT_EQ(exceedsWavelength(c.metres, c.frequency), c.exceeds) << c.frequency << " " << c.metres;
        EXPECT_EQ(degrees(c.metres, c.frequency), c.degrees) << c.frequency << " " << c.metres;
    }
    const ToMetres toMetres[] = {
        {14, 90, 5.357142857142857},
        {7.05, 60, 7.092198581560284},
        {3.6, 45, 10.416666666666666},
        {14, 360, 21.428571428571427},
    };
    for (const auto& c : toMetres) EXPECT_NEAR(metres(c.degrees, c.frequency), c.metres, 1e-13) << c.degrees;
}

TEST(LinesElectricalDegrees, Faults) {
    EXPECT_THROW(degrees(-1e100, -1e200), CalcFault);  // beyond the single-precision range
    EXPECT_THROW(metres(360, 1e-310), CalcFault);
    EXPECT_FALSE(exceedsWavelength(1e10, 1e-310));  // an infinite wavelength holds any length
}

}  // namespace
}  // namespace ondalab::electrical_degrees
