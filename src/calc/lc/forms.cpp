#include "calc/forms.h"
#include "calc/lc/bandpass_form.h"
#include "calc/lc/coil_form.h"
#include "calc/lc/filters_form.h"
#include "calc/lc/resonance_form.h"
#include "calc/lc/tuning_form.h"
#include "calc/lc/reactance_form.h"
#include "calc/lc/uhf_coil_form.h"
#include "calc/lc/rlc_form.h"
#include "calc/lc/resonant_impedance_form.h"

namespace ondalab {

void registerLcForms(FormRegistry& registry) {
    registry.add("frmbobine", factoryOf<Frmbobine>());
    registry.add("frmpassabasso", factoryOf<Frmpassabasso>());
    registry.add("frmpassaalto", factoryOf<Frmpassaalto>());
    registry.add("frmpassabanda", factoryOf<Frmpassabanda>());
    registry.add("frmrisonanza", factoryOf<Frmrisonanza>());
    registry.add("frmvalinduttanza", factoryOf<Frmvalinduttanza>());
    registry.add("frmreattanza", factoryOf<Frmreattanza>());
    registry.add("frmbobineuhf", factoryOf<Frmbobineuhf>());
    registry.add("frmCircuitiRLC", factoryOf<FrmCircuitiRLC>());
    registry.add("frmimprisonanza", factoryOf<Frmimprisonanza>());
}

}  // namespace ondalab
