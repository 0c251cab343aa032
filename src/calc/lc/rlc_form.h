// RLC circuits: R, L, C and F give the reactances, the series and parallel
// impedance and the phase angle.
#pragma once

#include "common/form.h"

namespace ondalab {

class FrmCircuitiRLC : public Form {
public:
    static constexpr const char* kName = "frmCircuitiRLC";
    explicit FrmCircuitiRLC(Workbench& wb);
    void Form_Load() override;

private:
    void cmdcalcola_Click();
    void cmdesci_Click() { close(); }

    Control& txtR_ = ctl("txtR");
    Control& txtC_ = ctl("txtC");
    Control& txtL_ = ctl("txtL");
    Control& txtF_ = ctl("txtF");
    Control& lblreattanzaInduttiva_ = ctl("lblreattanzaInduttiva");
    Control& lblreattanzaCapacitiva_ = ctl("lblreattanzaCapacitiva");
    Control& lblreattanzatotale_ = ctl("lblreattanzatotale");
    Control& lblanticipo_ = ctl("lblanticipo");
    Control& lblImpedenzaserie_ = ctl("lblImpedenzaserie");
    Control& lblimpedenzaparallelo_ = ctl("lblimpedenzaparallelo");
    Control& lblsfasamento_ = ctl("lblsfasamento");
};

}  // namespace ondalab
