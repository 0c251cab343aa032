#include "calc/forms.h"

#include "calc/resistors/attenuator_form.h"
#include "calc/resistors/divider_form.h"
#include "calc/resistors/parallel_form.h"
#include "calc/resistors/zener_form.h"

namespace ondalab {

void registerResistorForms(FormRegistry& registry) {
    registry.add<Frmresistenze>();
    registry.add<Frmpartitori>();
    registry.add<Frmattenuatorires>();
    registry.add<Frmreszener>();
}

}  // namespace ondalab
