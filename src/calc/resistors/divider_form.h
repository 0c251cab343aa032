// A two-resistor voltage divider: the current and the partial voltages.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmpartitori : public Form {
public:
    static constexpr const char* kName = "frmpartitori";
    explicit Frmpartitori(Workbench& wb);

private:
    void cmdcalcola_Click();
    void cmdesci_Click() { close(); }

    Control& txtV_ = ctl("txtV");
    Control& txtR1_ = ctl("txtR1");
    Control& txtR2_ = ctl("txtR2");
    Control& lblV_ = ctl("lblV");
    Control& lblV1_ = ctl("lblV1");
    Control& lblV2_ = ctl("lblV2");
    Control& lblcorrente_ = ctl("lblcorrente");
};

}  // namespace ondalab
