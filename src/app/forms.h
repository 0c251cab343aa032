// Every form of the program, by name.
#pragma once

#include "common/workbench.h"

namespace ondalab {

inline constexpr const char* kMainWindow = "FRMONDALAB";

FormRegistry allForms();
void registerInfoWindows(FormRegistry& registry);  // frmabaut, frmavvertenza, frmguida

}  // namespace ondalab
