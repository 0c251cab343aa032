#include "calc/forms.h"
#include "calc/antennas/dipoles_form.h"

namespace ondalab {

void registerAntennaForms(FormRegistry& registry) {
    registry.add("frmdipoli", factoryOf<Frmdipoli>());
}

}  // namespace ondalab
