// Opening the HF coil form beside a calculator: the one way every caller
// does it. The coil form is a single instance: an open one keeps its
// inputs, mode and results; nothing is handed over.
#pragma once

#include "common/form.h"

namespace ondalab {

inline constexpr int kCoilFormLeft = 4100;
inline constexpr int kCoilFormTop = 2800;

struct CoilCall {
    int coilTop = kCoilFormTop;  // 3000 from the tuning form
    bool callerMovesAside = true;  // the caller goes to 180, 180
};

// Shows frmbobine modeless at kCoilFormLeft/coilTop.
void openCoilForm(Form& caller, CoilCall call = {});

}  // namespace ondalab
