// Tuning: frequency, capacitance or inductance of a parallel LC circuit
// from the other two; opens the coil form beside itself.
#pragma once

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
};

}  // namespace ondalab
