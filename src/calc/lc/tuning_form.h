// Tuning: frequency, capacitance or inductance of a parallel LC circuit
// from the other two; opens the coil form beside itself.
#pragma once

#include <vector>

#include "common/form.h"

namespace ondalab {

class Frmvalinduttanza : public Form {
public:
    static constexpr const char* kName = "frmvalinduttanza";
    explicit Frmvalinduttanza(Workbench& wb);

private:
    void Option1_Click(int index);
    void cmdcalcola_Click();
    void cmdchiamabobine_Click();
    void cmdesci_Click() { close(); }

    int mode_ = -1;  // the chosen option: what the input rows hold

    std::vector<Control*> lblinput_ = ctlArray("lblinput");  // (3) shows the result
    std::vector<Control*> lblumisura_ = ctlArray("lblumisura");
    Control& txtinput1_ = ctl("txtinput1");
    Control& txtinput2_ = ctl("txtinput2");
};

}  // namespace ondalab
