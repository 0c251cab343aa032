// The scenario driver for --qt: it acts through the real widgets (mouse
// clicks, key presses, the close box, menu actions) and reads back what
// they show, so a scenario checks the view as well as the model.
#pragma once

#include <functional>
#include <memory>

#include "scenario/driver.h"

namespace ondalab {
class QtView;
}

namespace ondalab::scenario {

// `settled` runs each time the event loop has caught up after a line of
// the file: a test looks at the windows there.
std::unique_ptr<Driver> makeQtDriver(Workbench& wb, QtView& view, std::function<void()> settled = {});

}  // namespace ondalab::scenario
