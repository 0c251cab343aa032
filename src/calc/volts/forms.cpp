#include "calc/forms.h"
#include "calc/volts/ohm_form.h"

namespace ondalab {

void registerVoltsForms(FormRegistry& registry) {
    registry.add("frmleggediohm", factoryOf<Frmleggediohm>());
}

}  // namespace ondalab
