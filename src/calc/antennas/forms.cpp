#include "calc/forms.h"

#include "calc/antennas/base_loaded_form.h"
#include "calc/antennas/coax_trap_form.h"
#include "calc/antennas/dipoles_form.h"
#include "calc/antennas/loaded_dipole_form.h"
#include "calc/antennas/multiband_form.h"
#include "calc/antennas/shortened_vertical_form.h"

namespace ondalab {

void registerAntennaForms(FormRegistry& registry) {
    registry.add<Frmdipoli>();
    registry.add<FrmAntAcc>();
    registry.add<Frmantcoaxmulti>();
    registry.add<Frmantmultigamma>();
    registry.add<Frmtrappolata>();
    registry.add<Frmvertaccorciata>();
}

}  // namespace ondalab
