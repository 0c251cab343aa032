// Loaded dipole: the inductance of the two equal coils that bring a short
// dipole to resonance.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmtrappolata : public Form {
public:
    static constexpr const char* kName = "frmtrappolata";
    explicit Frmtrappolata(Workbench& wb);
    void Form_Load() override;

private:
    void cmdcalcola_Click();
    void cmdchiamabobine_Click();
    void cmdesci_Click() { close(); }
};

}  // namespace ondalab
