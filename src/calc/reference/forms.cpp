#include "calc/forms.h"

#include "calc/reference/temperature_form.h"

namespace ondalab {

void registerReferenceForms(FormRegistry& registry) { registry.add<Frmtemperatura>(); }

}  // namespace ondalab
