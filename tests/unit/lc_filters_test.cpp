// Constant-k filter cells: L = a Z / f, C = b / (Z f) with the fixed
// coefficients of each form and cell; expected values worked out by hand.
#include <gtest/gtest.h>

#include "calc/lc/filters.h"
#include "common/fault.h"

namespace ondalab::filters {
namespace {

struct Row {
    Pass pass;
    Cell cell;
    double mhz, ohms, microhenry, picofarad;
};

TEST(LcFilters, DesignValues) {
    const Row rows[] = {
        {Pass::Low, Cell::Pi, 7, 50, 2.271428571429, 454.285714285714},  // 15.9 / 7, 159000 / 350
        {Pass::Low, Cell::T, 7, 50, 1.135714285714, 908.571428571429},
        {Pass::High, Cell::Pi, 7, 50, 1.135714285714, 227.428571428571},
        {Pass::High, Cell::T, 7, 50, 0.568571428571, 454.285714285714},
        {Pass::Low, Cell::Pi, 1, 50, 15.9, 3180},
        {Pass::High, Cell::T, 1, 50, 3.98, 3180},
        {Pass::Low, Cell::Pi, -7, -50, 2.271428571429, 454.285714285714},
    };
    for (const auto& r : rows) {
        const auto v = design(r.pass, r.cell, r.mhz, r.ohms);
        EXPECT_NEAR(v.microhenry, r.microhenry, 1e-9) << r.mhz << " " << r.ohms;
        EXPECT_NEAR(v.picofarad, r.picofarad, 1e-9) << r.mhz << " " << r.ohms;
    }
}

TEST(LcFilters, FaultCases) {
    EXPECT_THROW(design(Pass::Low, Cell::Pi, 1e-10, 1e300), CalcFault);  // L beyond the double range
    EXPECT_THROW(design(Pass::High, Cell::T, 1e-300, 1e-300), CalcFault);  // Z x f underflows to 0
}

}  // namespace
}  // namespace ondalab::filters
