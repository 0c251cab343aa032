#include "calc/forms.h"

#include "calc/volts/db_form.h"
#include "calc/volts/dbmicrovolt_form.h"
#include "calc/volts/dbw_form.h"
#include "calc/volts/ohm_form.h"
#include "calc/volts/rms_form.h"

namespace ondalab {

void registerVoltsForms(FormRegistry& registry) {
    registry.add<Frmleggediohm>();
    registry.add<FrmdB>();
    registry.add<FrmdBW>();
    registry.add<FrmdBmicrovolt>();
    registry.add<Frmvolt>();
}

}  // namespace ondalab
