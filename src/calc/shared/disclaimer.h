// The disclaimer (frmavvertenza), one of the program's information windows,
// which several calculators show from their AVVISO buttons.
#pragma once

#include "common/form.h"

namespace ondalab {

inline constexpr const char* kDisclaimerForm = "frmavvertenza";

// Shows the disclaimer modally over `caller`.
void showDisclaimer(Form& caller);

}  // namespace ondalab
