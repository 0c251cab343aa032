#include <gtest/gtest.h>

#include <iterator>

#include "calc/lines/coax_cable.h"
#include "calc/lines/electrical_length.h"
#include "common/fault.h"

namespace ondalab::electrical_length {
namespace {

struct Case {
    double frequency, velocity;
    double wavelength;  // 300 / F
    double cable;       // V x the wavelength as shown (three decimals)
    double shownCable;  // that rounded to three decimals, held in single precision
    double half, threeHalves;
};

constexpr double kFifty = coax_cable::kFiftyOhm.velocity;
constexpr double kSeventyFive = coax_cable::kSeventyFiveOhm.velocity;

// Worked independently (python), single precision where the form holds it.
TEST(LinesElectricalLength, WorkedCases) {
    const Case cases[] = {
        {14, kFifty, 21.428571428571427, 14.143139999999999, 14.142999649047852, 7.071499824523926,
         21.214500427246094},
        {14, kSeventyFive, 21.428571428571427, 17.1432, 17.14299964904785, 8.571499824523926,
         25.714500427246094},
        {7.05, kFifty, 42.5531914893617, 28.084979999999998, 28.084999084472656, 14.042499542236328,
         42.127498626708984},
        {3.6, kFifty, 83.33333333333333, 54.99978, 55, 27.5, 82.5},
    };
    const double shownWavelength[] = {21.429, 21.429, 42.553, 83.333};
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        EXPECT_NEAR(wavelength(c.frequency), c.wavelength, 1e-13) << c.frequency;
        EXPECT_NEAR(cableWavelength(c.velocity, shownWavelength[i]), c.cable, 1e-13) << c.frequency;
        EXPECT_EQ(halfWave(c.shownCable), c.half) << c.frequency;
        EXPECT_EQ(threeHalfWaves(c.shownCable), c.threeHalves) << c.frequency;
    }
    EXPECT_THROW(wavelength(1e-320), CalcFault);
    EXPECT_THROW(halfWave(1e39), CalcFault);  // beyond the single-precision range
}

}  // namespace
}  // namespace ondalab::electrical_length
