// RLC circuits: R, L, C and F give the reactances, the series and parallel
// impedance and the phase angle.
#pragma once

#include <string>

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
};

}  // namespace ondalab
