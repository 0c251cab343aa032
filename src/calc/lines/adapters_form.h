// Quarter-wave impedance adapter: the section's impedance and its length in
// 50 or 75 ohm coaxial cable. Opened modeless beside the main window.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmadattatori : public Form {
public:
    static constexpr const char* kName = "frmadattatori";
    explicit Frmadattatori(Workbench& wb);

private:
    void cmdcalcola_Click();
    void cmdesci_Click() { close(); }

    Control& fiftyOhm_ = ctl("Option1(0)");
    Control& txtF_ = ctl("txtF");
    Control& txtimpantenna_ = ctl("txtimpantenna");
    Control& lblimpadattatore_ = ctl("lblimpadattatore");
    Control& lbllunghezza_ = ctl("lbllunghezza");
};

}  // namespace ondalab
