// The smoothing electrolytic after a bridge rectifier, from the ripple
// percentage allowed, the DC voltage and the load current.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmripple : public Form {
public:
    static constexpr const char* kName = "frmripple";
    explicit Frmripple(Workbench& wb);
    void Form_Load() override;

private:
    void cmdcalcola_Click();
    void cmdesci_Click() { close(); }

    Control& txtpercentuale_ = ctl("txtpercentuale");
    Control& txtvolt_ = ctl("txtvolt");
    Control& txtcorrente_ = ctl("txtcorrente");
    Control& lblVeff_ = ctl("lblVeff");
    Control& lblVp_ = ctl("lblVp");
    Control& lblVpp_ = ctl("lblVpp");
    Control& lblelettrolitico_ = ctl("lblelettrolitico");
    Control& lblV_ = ctl("lblV");
    Control& lblC_ = ctl("lblC");
};

}  // namespace ondalab
