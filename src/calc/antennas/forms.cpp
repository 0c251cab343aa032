#include "calc/forms.h"
#include "calc/antennas/base_loaded_form.h"
#include "calc/antennas/coax_trap_form.h"
#include "calc/antennas/dipoles_form.h"
#include "calc/antennas/loaded_dipole_form.h"
#include "calc/antennas/multiband_form.h"
#include "calc/antennas/shortened_vertical_form.h"

namespace ondalab {

void registerAntennaForms(FormRegistry& registry) {
    registry.add("frmdipoli", factoryOf<Frmdipoli>());
    registry.add("frmAntAcc", factoryOf<FrmAntAcc>());
    registry.add("frmantcoaxmulti", factoryOf<Frmantcoaxmulti>());
    registry.add("frmantmultigamma", factoryOf<Frmantmultigamma>());
    registry.add("frmtrappolata", factoryOf<Frmtrappolata>());
    registry.add("frmvertaccorciata", factoryOf<Frmvertaccorciata>());
}

}  // namespace ondalab
