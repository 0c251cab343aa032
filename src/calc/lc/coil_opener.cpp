#include "calc/lc/coil_opener.h"

#include "calc/lc/coil_form.h"
#include "common/workbench.h"

namespace ondalab {

void openCoilForm(Form& caller, CoilCall call) {
    // Callers differ in whether they place before or after showing; the end
    // state is the same, so one order serves them all.
    Form* coil = caller.workbench().show(Frmbobine::kName, false);  // inside a handler: never null
    coil->move(kCoilFormLeft, call.coilTop);
    if (call.callerMovesAside) caller.move(180, 180);
}

}  // namespace ondalab
