#include "calc/forms.h"

namespace ondalab {

void registerAntennaForms(FormRegistry& /*registry*/) {}

}  // namespace ondalab
