// Ohm's law: pick the known pair, type it, press CALCOLA.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmleggediohm : public Form {
public:
    static constexpr const char* kName = "frmleggediohm";
    explicit Frmleggediohm(Workbench& wb);

private:
    void Option1_Click(int index);
    void cmdcalcola_Click();
    void cdmesci_Click() { close(); }

    int mode_ = 0;

    // the controls the handlers use, bound when the form is built
    Control& cmdcalcola_ = ctl("cmdcalcola");
    Control& cdmesci_ = ctl("cdmesci");
    Control& lblformule_ = ctl("lblformule");
    Control& txtinput1_ = ctl("txtinput1");
    Control& txtinput2_ = ctl("txtinput2");
    std::vector<Control*> lblinput_ = ctlArray("lblinput");  // names 0-3, results 4-5
};

}  // namespace ondalab
