// The scenario driver for --qt: it acts through the real widgets (mouse
// clicks, key presses, the close box, menu actions) and reads back what
// they show, so a scenario checks the view as well as the model.
#pragma once

#include <memory>

#include "scenario/driver.h"

namespace ondalab {
class QtView;
}

namespace ondalab::scenario {

std::unique_ptr<Driver> makeQtDriver(Workbench& wb, QtView& view);

}  // namespace ondalab::scenario
