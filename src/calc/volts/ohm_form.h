// Ohm's law: pick the known pair, type it, press CALCOLA.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmleggediohm : public Form {
public:
    static constexpr const char* kName = "frmleggediohm";
    explicit Frmleggediohm(Workbench& wb);

private:
    void Option1_Click(int index);
    void cmdcalcola_Click();
    void cdmesci_Click() { close(); }

    int mode_ = 0;
};

}  // namespace ondalab
