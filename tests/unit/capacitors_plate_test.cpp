// C = (0.0885 k) S / (d / 10) held in single precision, then rounded to one
// decimal (half away from zero) and held again; worked by hand and checked
// with an independent script.
#include <gtest/gtest.h>

#include "calc/capacitors/plate.h"
#include "common/fault.h"

namespace ondalab::plate {
namespace {

struct Row {
    double k, area, spacing, picofarad;
};

TEST(CapacitorsPlate, WorkedExamples) {
    const Row rows[] = {
        {kAir, 100, 1, 88.5},
        {kMica, 10, 0.1, 531},
        {kCeramic, 20, 0.5, 198.1999969482422},      // 198.24 -> 198.2 in single
        {kGlassEpoxy, 50, 1.6, 127.19999694824219},  // 127.21875 -> 127.2
        {kCelluloid, 1, 1, 2.700000047683716},       // 2.655 held as 2.65499997 -> 2.7
        {kAir, 12.25, 0.885, 12.300000190734863},    // exactly 12.25: the half goes up
        {kAir, -100, -1, 88.5},                      // both negative: positive
        {kAir, 1e6, 0.001, 885000000},
    };
    for (const auto& r : rows)
        EXPECT_EQ(capacitance(r.k, r.area, r.spacing), r.picofarad) << r.k << " " << r.area;
}

TEST(CapacitorsPlate, FaultCases) {
    EXPECT_THROW(capacitance(kMica, 1e40, 1), CalcFault);     // beyond the single range
    EXPECT_THROW(capacitance(kAir, 1, 4.9e-324), CalcFault);  // the spacing in cm underflows to 0
}

}  // namespace
}  // namespace ondalab::plate
