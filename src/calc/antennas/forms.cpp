#include "calc/forms.h"

#include "calc/antennas/antenna_signals_form.h"
#include "calc/antennas/base_loaded_form.h"
#include "calc/antennas/capacitive_hat_form.h"
#include "calc/antennas/coax_trap_form.h"
#include "calc/antennas/dipoles_form.h"
#include "calc/antennas/direct_wave_form.h"
#include "calc/antennas/five_eighths_form.h"
#include "calc/antennas/j_vertical_form.h"
#include "calc/antennas/loaded_dipole_form.h"
#include "calc/antennas/multiband_form.h"
#include "calc/antennas/shortened_vertical_form.h"
#include "calc/antennas/small_loop_form.h"

namespace ondalab {

void registerAntennaForms(FormRegistry& registry) {
    registry.add<Frmdipoli>();
    registry.add<FrmAntAcc>();
    registry.add<Frmantcoaxmulti>();
    registry.add<Frmantmultigamma>();
    registry.add<Frmtrappolata>();
    registry.add<Frmvertaccorciata>();
    registry.add<Frmcappello>();
    registry.add<Frmantenna58>();
    registry.add<FrmantennaJ>();
    registry.add<Frmloop>();
    registry.add<Frminfoloop>();
    registry.add<Frmhelpcondensatore>();
    registry.add<Frmondadiretta>();
    registry.add<Frmsegnalidipolo>();
    registry.add<Frmsegnaligenerica>();
}

}  // namespace ondalab
