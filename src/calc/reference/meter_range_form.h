// Extending a meter's range n times: the ammeter's shunt (frmshunt) and the
// voltmeter's series resistor (frmvoltmetro), two forms of one layout.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmshunt : public Form {
public:
    static constexpr const char* kName = "frmshunt";
    explicit Frmshunt(Workbench& wb);

private:
    void cmdcalcola_Click();
    void cmdesci_Click() { close(); }

    Control& txtrm_ = ctl("txtrm");
    Control& txtnr_ = ctl("txtnr");
    Control& lblrs_ = ctl("lblrs");
};

class Frmvoltmetro : public Form {
public:
    static constexpr const char* kName = "frmvoltmetro";
    explicit Frmvoltmetro(Workbench& wb);

private:
    void cdmcalcola_Click();
    void cmdesci_Click() { close(); }

    Control& txtRM_ = ctl("txtRM");
    Control& txtnr_ = ctl("txtnr");
    Control& lbloutput_ = ctl("lbloutput");
};

}  // namespace ondalab
