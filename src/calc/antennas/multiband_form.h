// Two-band trap antenna (vertical or dipole arm), with the coil form and
// the disclaimer a click away.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmantmultigamma : public Form {
public:
    static constexpr const char* kName = "frmantmultigamma";
    explicit Frmantmultigamma(Workbench& wb);
    void Form_Load() override;

private:
    void Option1_Click(int index);
    void cmdcalcola_Click();
    void cmdavviso_Click();
    void cmdchiamabobine_Click();
    void cmdesci_Click() { close(); }
};

}  // namespace ondalab
