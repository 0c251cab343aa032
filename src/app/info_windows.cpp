#include "app/info_windows.h"

#include "app/forms.h"
#include "app/info_forms.h"
#include "calc/forms.h"
#include "common/workbench.h"

namespace ondalab {

void registerInfoWindows(FormRegistry& registry) {
    registry.add("frmabaut", factoryOf<Frmabaut>());
    registry.add("frmavvertenza", factoryOf<Frmavvertenza>());
}

void showDisclaimer(Form& caller) { caller.workbench().show("frmavvertenza", true); }

}  // namespace ondalab
