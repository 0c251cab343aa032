// What assistive tools (AT-SPI) see of the forms: each window a frame or a
// dialog named by its caption; the options of a frame as radio buttons
// inside it; the pictures a user clicks as buttons with a press action; the
// wrapping menu bar as a menu bar, its entries as menu items named by their
// captions with their Alt+letter, that press or drop their menu down.
#pragma once

namespace ondalab::qt {

// Installs the interfaces above for every widget of the view; once per
// application, before the first window is shown.
void installAccessibility();

}  // namespace ondalab::qt
