#include "calc/forms.h"

#include "calc/active/bias_form.h"
#include "calc/active/transformer_form.h"

namespace ondalab {

void registerActiveForms(FormRegistry& registry) {
    registry.add<Frmpolarizztransistor>();
    registry.add<Frmtrasformatori>();
}

}  // namespace ondalab
