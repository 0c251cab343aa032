#include "calc/forms.h"

#include "calc/reference/inches_form.h"
#include "calc/reference/lookup_form.h"
#include "calc/reference/meter_range_form.h"
#include "calc/reference/prefixes_form.h"
#include "calc/reference/temperature_form.h"
#include "calc/reference/wire_section_form.h"

namespace ondalab {

void registerReferenceForms(FormRegistry& registry) {
    registry.add<Frmtemperatura>();
    registry.add<Frmdizionario>();
    registry.add<Frmpeso>();
    registry.add<Frmresistivita>();
    registry.add<Frmmisureinglesi>();
    registry.add<Frmprefissi>();
    registry.add<Frmsezione>();
    registry.add<Frmshunt>();
    registry.add<Frmvoltmetro>();
}

}  // namespace ondalab
