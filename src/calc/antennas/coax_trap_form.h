// Two-band dipole with traps wound from coaxial cable.
#pragma once

#include "calc/antennas/coax_trap.h"
#include "common/form.h"

namespace ondalab {

class Frmantcoaxmulti : public Form {
public:
    static constexpr const char* kName = "frmantcoaxmulti";
    explicit Frmantcoaxmulti(Workbench& wb);
    void Form_Load() override;

private:
    void Option1_Click(int index);
    void cmdcalcola_Click();
    void cmdavviso_Click();
    void cmdesci_Click() { close(); }

    coax_trap::Cable cable_ = coax_trap::kRG174U;
};

}  // namespace ondalab
