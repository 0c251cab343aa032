// The two small R L C drawings (series and parallel) shared by the RLC and
// the impedance-at-resonance forms: lines, shapes and the part letters.
#pragma once

#include <vector>

#include "common/control.h"

namespace ondalab::rlc_sketch {

// Running indices, so that the controls of several drawings on one form
// get distinct names ("Line1(0)", "Shape1(0)", "lblsigla(0)", ...).
struct Names {
    int line = 0;
    int shape = 0;
    int label = 0;
};

inline constexpr int kSeriesWidth = 2700;
inline constexpr int kSeriesHeight = 700;
inline constexpr int kParallelWidth = 2700;
inline constexpr int kParallelHeight = 1550;

// R, L and C in a row between two terminals, top-left corner at x, y.
void addSeries(std::vector<ControlSpec>& controls, Names& names, int x, int y);
// R, L and C side by side between two rails, top-left corner at x, y.
void addParallel(std::vector<ControlSpec>& controls, Names& names, int x, int y);

}  // namespace ondalab::rlc_sketch
