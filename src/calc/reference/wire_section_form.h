// Wire section: a current in amperes; the minimum and the normal copper
// wire diameter, each with its cross-section, on CALCOLA.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmsezione : public Form {
public:
    static constexpr const char* kName = "frmsezione";
    explicit Frmsezione(Workbench& wb);

private:
    void cmdcalcola_Click();
    void cmdesci_Click() { close(); }

    Control& txtinput_ = ctl("txtinput");
    Control& lbloutputmin_ = ctl("lbloutputmin");
    Control& lblmqmin_ = ctl("lblmqmin");
    Control& lbloutputnorm_ = ctl("lbloutputnorm");
    Control& lblmqnorm_ = ctl("lblmqnorm");
};

}  // namespace ondalab
