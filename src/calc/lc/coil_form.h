// The HF coil form: turns for an inductance, or the inductance of a number
// of turns, of a single-layer air-core coil, and the wire it takes. Other
// calculators open it beside themselves (coil_opener.h).
#pragma once

#include <vector>

#include "common/form.h"

namespace ondalab {

class Frmbobine : public Form {
public:
    static constexpr const char* kName = "frmbobine";
    explicit Frmbobine(Workbench& wb);

private:
    void Option1_Click(int index);
    void cmdcalcola_Click();
    void cmdesci_Click() { close(); }

    std::vector<Control*> option1_ = ctlArray("Option1");
    Control& lblinput_ = ctl("lblinput");
    Control& txtinput_ = ctl("txtinput");
    Control& txtdiametro_ = ctl("txtdiametro");
    Control& txtlunghezza_ = ctl("txtlunghezza");
    Control& lbloutput_ = ctl("lbloutput");
    Control& lbllunghezzafilo_ = ctl("lbllunghezzafilo");
};

}  // namespace ondalab
