#include "calc/forms.h"

#include "calc/capacitors/plate_form.h"
#include "calc/capacitors/ripple_form.h"
#include "calc/capacitors/series_form.h"

namespace ondalab {

void registerCapacitorForms(FormRegistry& registry) {
    registry.add<Frmcondensatori>();
    registry.add<Frmripple>();
    registry.add<Frmcostruzionecondensatori>();
}

}  // namespace ondalab
