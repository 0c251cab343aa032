// Reactance: choose inductive or capacitive, type frequency and L or C,
// press CALCOLA.
#pragma once

#include <vector>

#include "common/form.h"

namespace ondalab {

class Frmreattanza : public Form {
public:
    static constexpr const char* kName = "frmreattanza";
    explicit Frmreattanza(Workbench& wb);

private:
    void Option1_Click(int index);
    void cmdcalcola_Click();
    void cmnesci_Click() { close(); }

    std::vector<Control*> option1_ = ctlArray("Option1");
    std::vector<Control*> txtinput_ = ctlArray("txtinput");
    std::vector<Control*> lblinput_ = ctlArray("lblinput");  // (3) shows the result
    Control& lblfantasma_ = ctl("lblfantasma");
};

}  // namespace ondalab
