#include "calc/antennas/loaded_dipole.h"

#include <gtest/gtest.h>

#include "common/fault.h"

namespace ondalab {
namespace {

struct Case {
    double distance, length, diameter, frequency;
    double inductance;  // held in single precision
};

// Expected values worked out independently (python, same constants).
TEST(LoadedDipole, WorkedCases) {
    const Case cases[] = {
        {1, 10, 2, 7, 12.779561996459961},
        {2, 15, 2, 7, 5.886486053466797},
        {0.5, 5, 1.5, 14, 6.030226230621338},
        {1, 20, 2, 7, 0.30487900972366333},
        {0.5, 9.76, 2, 7, 12.002386093139648},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(loaded_dipole::inductance(c.distance, c.length, c.diameter, c.frequency), c.inductance)
            << c.distance << " " << c.length;
}

TEST(LoadedDipole, FaultCases) {
    // negative distance and diameter: the logarithms get a negative value
    EXPECT_THROW(loaded_dipole::inductance(-1, 10, -2, 7), CalcFault);
    // the coil at the arm's very end: ln(0)
    EXPECT_THROW(loaded_dipole::inductance(5, 10, 2, 7), CalcFault);
    // negative distance, length, frequency and diameter with A' = 234 / F:
    // the lower-section term divides by zero
    EXPECT_THROW(loaded_dipole::inductance(234.0 / -7 * 0.3048, -100, -2, -7), CalcFault);
}

}  // namespace
}  // namespace ondalab
