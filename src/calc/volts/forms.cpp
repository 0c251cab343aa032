#include "calc/forms.h"
#include "calc/volts/db_form.h"
#include "calc/volts/dbmicrovolt_form.h"
#include "calc/volts/dbw_form.h"
#include "calc/volts/ohm_form.h"
#include "calc/volts/rms_form.h"

namespace ondalab {

void registerVoltsForms(FormRegistry& registry) {
    registry.add("frmleggediohm", factoryOf<Frmleggediohm>());
    registry.add("frmdB", factoryOf<FrmdB>());
    registry.add("frmdBW", factoryOf<FrmdBW>());
    registry.add("frmdBmicrovolt", factoryOf<FrmdBmicrovolt>());
    registry.add("frmvolt", factoryOf<Frmvolt>());
}

}  // namespace ondalab
