#include "app/info_windows.h"

#include "app/forms.h"
#include "app/help_form.h"
#include "app/info_forms.h"
#include "calc/forms.h"
#include "common/workbench.h"

namespace ondalab {

void registerInfoWindows(FormRegistry& registry) {
    registry.add<Frmabaut>();
    registry.add<Frmavvertenza>();
    registry.add<Frmguida>();
}

void showDisclaimer(Form& caller) { caller.workbench().show(Frmavvertenza::kName, true); }

}  // namespace ondalab
