// SWR: the antenna impedances that give a standing-wave ratio on a 52 ohm
// line, and the power it reflects and radiates.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmros : public Form {
public:
    static constexpr const char* kName = "frmros";
    explicit Frmros(Workbench& wb);

private:
    void cmdcalcola_Click();
    void cmdesci_Click() { close(); }

    Control& txtros_ = ctl("txtros");
    Control& lblimpedenza_ = ctl("lblimpedenza");
    Control& lblwattriflessi_ = ctl("lblwattriflessi");
    Control& lblwattirradiati_ = ctl("lblwattirradiati");
};

}  // namespace ondalab
