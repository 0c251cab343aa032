#include "calc/forms.h"

#include "calc/lc/bandpass_form.h"
#include "calc/lc/coil_form.h"
#include "calc/lc/filters_form.h"
#include "calc/lc/reactance_form.h"
#include "calc/lc/resonance_form.h"
#include "calc/lc/resonant_impedance_form.h"
#include "calc/lc/rlc_form.h"
#include "calc/lc/tuning_form.h"
#include "calc/lc/uhf_coil_form.h"

namespace ondalab {

void registerLcForms(FormRegistry& registry) {
    registry.add<Frmbobine>();
    registry.add<Frmpassabasso>();
    registry.add<Frmpassaalto>();
    registry.add<Frmpassabanda>();
    registry.add<Frmrisonanza>();
    registry.add<Frmvalinduttanza>();
    registry.add<Frmreattanza>();
    registry.add<Frmbobineuhf>();
    registry.add<FrmCircuitiRLC>();
    registry.add<Frmimprisonanza>();
}

}  // namespace ondalab
