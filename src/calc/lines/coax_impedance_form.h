// Coaxial line impedance from the two diameters and the dielectric.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmimpedenza : public Form {
public:
    static constexpr const char* kName = "frmimpedenza";
    explicit Frmimpedenza(Workbench& wb);

private:
    void cmdcalcola_Click();
    void cmdesci_Click() { close(); }

    Control& txtd1_ = ctl("txtd1");
    Control& txtd2_ = ctl("txtd2");
    Control& lblimpedenza_ = ctl("lblimpedenza");
    std::vector<Control*> options_ = ctlArray("Option1");
    float k_ = 0;  // the dielectric factor, set from the chosen option by CALCOLA
};

}  // namespace ondalab
