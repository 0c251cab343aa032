#include "calc/shared/disclaimer.h"

#include "common/workbench.h"

namespace ondalab {

void showDisclaimer(Form& caller) { caller.workbench().show(kDisclaimerForm, true); }

}  // namespace ondalab
