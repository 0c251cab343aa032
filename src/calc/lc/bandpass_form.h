// The band-pass window: a high-pass cell followed by a low-pass cell, so it
// sends the user on to one of the two filter forms.
#pragma once

#include "calc/lc/filters_form.h"
#include "common/form.h"

namespace ondalab {

class Frmpassabanda : public Form {
public:
    static constexpr const char* kName = "frmpassabanda";
    explicit Frmpassabanda(Workbench& wb);

private:
    void Command1_Click() { goTo(Frmpassabasso::kName); }
    void Command2_Click() { goTo(Frmpassaalto::kName); }
    void Command3_Click() { close(); }
    // Closes this window, then shows the filter form beside the main window.
    void goTo(const char* form);
};

}  // namespace ondalab
