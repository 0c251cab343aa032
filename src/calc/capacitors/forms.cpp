#include "calc/forms.h"

namespace ondalab {

void registerCapacitorForms(FormRegistry& /*registry*/) {}

}  // namespace ondalab
