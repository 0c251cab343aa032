#include "calc/forms.h"

namespace ondalab {

void registerReferenceForms(FormRegistry& /*registry*/) {}

}  // namespace ondalab
