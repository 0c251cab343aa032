// Impedance at resonance: C, L and R give the resonant frequency and the
// series and parallel impedance.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmimprisonanza : public Form {
public:
    static constexpr const char* kName = "frmimprisonanza";
    explicit Frmimprisonanza(Workbench& wb);

private:
    void cmdcalcola_Click();
    void cdmesci_Click() { close(); }

    Control& txtC_ = ctl("txtC");
    Control& txtL_ = ctl("txtL");
    Control& txtR_ = ctl("txtR");
    Control& lblfrequenza_ = ctl("lblfrequenza");
    Control& lblzserie_ = ctl("lblzserie");
    Control& lblzparallelo_ = ctl("lblzparallelo");
};

}  // namespace ondalab
