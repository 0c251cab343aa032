// Two-wire line impedance from the conductors' spacing and diameter.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmlineebifilari : public Form {
public:
    static constexpr const char* kName = "frmlineebifilari";
    explicit Frmlineebifilari(Workbench& wb);

private:
    void cmdcalcola_Click();
    void cdmesci_Click() { close(); }

    Control& txtdistanza_ = ctl("txtdistanza");
    Control& txtdiametro_ = ctl("txtdiametro");
    Control& lblimpedenza_ = ctl("lblimpedenza");
};

}  // namespace ondalab
