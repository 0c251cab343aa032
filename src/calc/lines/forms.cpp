#include "calc/forms.h"

#include "calc/lines/adapters_form.h"
#include "calc/lines/balun_choke_form.h"
#include "calc/lines/coax_impedance_form.h"
#include "calc/lines/electrical_degrees_form.h"
#include "calc/lines/electrical_length_form.h"
#include "calc/lines/gamma_match_form.h"
#include "calc/lines/swr_form.h"
#include "calc/lines/two_wire_form.h"

namespace ondalab {

void registerLineForms(FormRegistry& registry) {
    registry.add<Frmros>();
    registry.add<Frmimpedenza>();
    registry.add<Frmadattatori>();
    registry.add<Frmgammamatch>();
    registry.add<Frmbalunchoke>();
    registry.add<Frmgradi>();
    registry.add<Frmlineebifilari>();
    registry.add<Frmlungelettrica>();
}

}  // namespace ondalab
