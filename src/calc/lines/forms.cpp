#include "calc/forms.h"

namespace ondalab {

void registerLineForms(FormRegistry& /*registry*/) {}

}  // namespace ondalab
