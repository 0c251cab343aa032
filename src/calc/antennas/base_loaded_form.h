// Base-loaded vertical: the coil at the feed point of a short radiator,
// with a print-out of the form.
#pragma once

#include "common/form.h"

namespace ondalab {

class FrmAntAcc : public Form {
public:
    static constexpr const char* kName = "frmAntAcc";
    explicit FrmAntAcc(Workbench& wb);

private:
    void cmdcalcola_Click();
    void cmdstampa_Click();
    void cmdavviso_Click();
    void cmdchiudi_Click() { close(); }
};

}  // namespace ondalab
