// The small conversions: inches and centimetres (2.54, 0.3937007, feet
// 0.03281 per cm in single precision), copper wire (0.7 and 0.8 x sqrt(I),
// section 3.141592 (d / 2)^2) and meter ranges (Rm / (n - 1) with n at
// least 1.1, (n - 1) Rm with n at least 1). Expected values worked out by
// hand and in a python3 check.
#include <gtest/gtest.h>

#include "calc/reference/inches.h"
#include "calc/reference/meter_range.h"
#include "calc/reference/wire_section.h"
#include "common/fault.h"

namespace ondalab {
namespace {

TEST(ReferenceInches, Converts) {
    const struct {
        double x, cm, inches, feetOfX;
    } rows[] = {
        {1, 2.54, 0.3937007, 0.03280999884009361},
        {12, 30.48, 4.7244084, 0.39372000098228455},
        {100, 254, 39.37007, 3.2809998989105225},
        {-10, -25.4, -3.937007, -0.3280999958515167},
    };
    for (const auto& r : rows) {
        EXPECT_NEAR(inches::centimetres(r.x), r.cm, 1e-12) << r.x;
        EXPECT_NEAR(inches::inchesOf(r.x), r.inches, 1e-12) << r.x;
        EXPECT_EQ(inches::feet(r.x), r.feetOfX) << r.x;
    }
    EXPECT_EQ(inches::feet(2.54), 0.08333739638328552);
    EXPECT_THROW(inches::centimetres(1e308), CalcFault);
}

TEST(ReferenceWireSection, DiametersAndSections) {
    const struct {
        double amperes, minimum, normal, minimumShown, minimumSection, normalShown, normalSection;
    } rows[] = {
        {1, 0.7, 0.8, 0.7, 0.38484502, 0.8, 0.50265472},
        {10, 2.2135943621178655, 2.529822128134704, 2.214, 3.849860774808, 2.53, 5.0272540582},
        {16, 2.8, 3.2, 2.8, 6.15752032, 3.2, 8.04247552},
        {100, 7, 8, 7, 38.484502, 8, 50.265472},
        {0, 0, 0, 0, 0, 0, 0},
    };
    for (const auto& r : rows) {
        EXPECT_NEAR(wire_section::minimumDiameter(r.amperes), r.minimum, 1e-12) << r.amperes;
        EXPECT_NEAR(wire_section::normalDiameter(r.amperes), r.normal, 1e-12) << r.amperes;
        EXPECT_NEAR(wire_section::section(r.minimumShown), r.minimumSection, 1e-12) << r.amperes;
        EXPECT_NEAR(wire_section::section(r.normalShown), r.normalSection, 1e-12) << r.amperes;
    }
    EXPECT_THROW(wire_section::minimumDiameter(-1), CalcFault);  // a negative current
}

TEST(ReferenceMeterRange, ShuntAndSeriesResistor) {
    const struct {
        double ohms, factor, shunt, series;
    } rows[] = {
        {100, 10, 11.11111111111111, 900},
        {50, 2, 50, 50},
        {1000, 1, 9999.99999999999, 0},  // 1 is replaced on the shunt form, kept on the voltmeter
        {1000, 0.5, 9999.99999999999, 0},
        {0.3, 7, 0.049999999999999996, 1.7999999523162842},  // 1.8 held in single precision
        {2000, 2.5, 1333.3333333333333, 3000},
    };
    for (const auto& r : rows) {
        EXPECT_NEAR(meter_range::shunt(r.ohms, r.factor), r.shunt, 1e-9) << r.ohms << " " << r.factor;
        EXPECT_EQ(meter_range::series(r.ohms, r.factor), r.series) << r.ohms << " " << r.factor;
    }
    EXPECT_THROW(meter_range::series(1e300, 10), CalcFault);  // beyond single precision
}

}  // namespace
}  // namespace ondalab
