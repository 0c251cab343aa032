// The band-pass window: a high-pass cell followed by a low-pass cell, so it
// sends the user on to one of the two filter forms.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmpassabanda : public Form {
public:
    explicit Frmpassabanda(Workbench& wb);

private:
    void Command1_Click() { goTo("frmpassabasso"); }
    void Command2_Click() { goTo("frmpassaalto"); }
    void Command3_Click() { close(); }
    // Closes this window, then shows the filter form beside the main window.
    void goTo(const char* form);
};

}  // namespace ondalab
