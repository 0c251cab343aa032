// Reactance: choose inductive or capacitive, type frequency and L or C,
// press CALCOLA.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmreattanza : public Form {
public:
    static constexpr const char* kName = "frmreattanza";
    explicit Frmreattanza(Workbench& wb);

private:
    void Option1_Click(int index);
    void cmdcalcola_Click();
    void cmnesci_Click() { close(); }
};

}  // namespace ondalab
