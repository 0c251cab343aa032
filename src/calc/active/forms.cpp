#include "calc/forms.h"

namespace ondalab {

void registerActiveForms(FormRegistry& /*registry*/) {}

}  // namespace ondalab
