#include "app/info_windows.h"

#include "app/forms.h"
#include "common/workbench.h"

namespace ondalab {

void registerInfoWindows(FormRegistry& /*registry*/) {}

void showDisclaimer(Form& caller) { caller.workbench().show("frmavvertenza", true); }

}  // namespace ondalab
