#include "calc/forms.h"

namespace ondalab {

void registerResistorForms(FormRegistry& /*registry*/) {}

}  // namespace ondalab
