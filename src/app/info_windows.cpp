#include "app/forms.h"

namespace ondalab {

void registerInfoWindows(FormRegistry& /*registry*/) {}

}  // namespace ondalab
