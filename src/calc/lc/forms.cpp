#include "calc/forms.h"
#include "calc/lc/coil_form.h"

namespace ondalab {

void registerLcForms(FormRegistry& registry) {
    registry.add("frmbobine", factoryOf<Frmbobine>());
}

}  // namespace ondalab
