#include "app/forms.h"

#include "app/main_window.h"
#include "calc/forms.h"

namespace ondalab {

FormRegistry allForms() {
    FormRegistry registry;
    registry.add<FRMONDALAB>();
    registerInfoWindows(registry);
    registerVoltsForms(registry);
    registerLcForms(registry);
    registerAntennaForms(registry);
    registerLineForms(registry);
    registerCapacitorForms(registry);
    registerResistorForms(registry);
    registerActiveForms(registry);
    registerReferenceForms(registry);
    return registry;
}

}  // namespace ondalab
