// a b / (a + b) held in single precision; expected singles worked out by an
// independent script (the nearest float to the exact quotient).
#include <gtest/gtest.h>

#include "calc/shared/parallel.h"
#include "common/fault.h"

namespace ondalab::parallel {
namespace {

struct Row {
    double a, b, combined;
};

TEST(ResistorsParallel, WorkedExamples) {
    const Row rows[] = {
        {100, 100, 50},
        {1000, 2200, 687.5},
        {4700, 10000, 3197.27880859375},  // 3197.2789115...
        {-100, -100, -50},
        {100, 47, 31.972789764404297},  // capacitors in series: 31.9727891...
        {1000, 10, 9.90099048614502},   // 9.9009901...
        {33, 22, 13.199999809265137},   // 13.2 is not a float
        {0.125, 0.125, 0.0625},
    };
    for (const auto& r : rows) EXPECT_EQ(combine(r.a, r.b), r.combined) << r.a << " " << r.b;
}

TEST(ResistorsParallel, FaultCases) {
    EXPECT_THROW(combine(1, -1), CalcFault);         // a + b = 0
    EXPECT_THROW(combine(1e200, 1e200), CalcFault);  // a b beyond the double range
    EXPECT_THROW(combine(1e39, 1e39), CalcFault);    // 5E+38 beyond the single range
}

}  // namespace
}  // namespace ondalab::parallel
