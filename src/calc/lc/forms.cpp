#include "calc/forms.h"
#include "calc/lc/coil_form.h"
#include "calc/lc/resonance_form.h"

namespace ondalab {

void registerLcForms(FormRegistry& registry) {
    registry.add("frmbobine", factoryOf<Frmbobine>());
    registry.add("frmrisonanza", factoryOf<Frmrisonanza>());
}

}  // namespace ondalab
