// Resistive attenuators between two impedances, as a T and as a pi
// network at once, with the least insertion loss the impedances allow.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmattenuatorires : public Form {
public:
    static constexpr const char* kName = "frmattenuatorires";
    explicit Frmattenuatorires(Workbench& wb);

private:
    void cmdcalcola_Click();
    void cmdesci_Click() { close(); }

    Control& txtZI_ = ctl("txtZI");
    Control& txtZO_ = ctl("txtZO");
    Control& txtLD_ = ctl("txtLD");
    Control& lblR1T_ = ctl("lblR1T");
    Control& lblR2T_ = ctl("lblR2T");
    Control& lblR3T_ = ctl("lblR3T");
    Control& lblR1P_ = ctl("lblR1P");
    Control& lblR2P_ = ctl("lblR2P");
    Control& lblR3P_ = ctl("lblR3P");
    Control& lblperdita_ = ctl("lblperdita");
};

}  // namespace ondalab
