// The two small R L C drawings (series and parallel) shared by the RLC and
// the impedance-at-resonance forms, each one Image control.
#pragma once

#include <string>

#include "common/control.h"

namespace ondalab::rlc_sketch {

inline constexpr int kSeriesWidth = 2700;
inline constexpr int kParallelWidth = 2700;

// R, L and C in a row between two terminals; `at` is the drawing's top-left
// corner in client twips.
ControlSpec seriesImage(std::string name, Point at);
// R, L and C side by side between two rails; `at` is the corner of the
// rails' box, the part letters stand a little above it.
ControlSpec parallelImage(std::string name, Point at);

}  // namespace ondalab::rlc_sketch
