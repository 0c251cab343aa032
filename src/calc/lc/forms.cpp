#include "calc/forms.h"

namespace ondalab {

void registerLcForms(FormRegistry& /*registry*/) {}

}  // namespace ondalab
