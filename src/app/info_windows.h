// The information windows: "Leggimi" (frmabaut) and the disclaimer
// (frmavvertenza) that antenna forms show from their AVVISO buttons.
#pragma once

#include "common/form.h"

namespace ondalab {

// Shows frmavvertenza modally over `caller`.
void showDisclaimer(Form& caller);

}  // namespace ondalab
