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

    // the controls the handlers use, bound when the form is built
    Control& cmdcalcola_ = ctl("cmdcalcola");
    Control& cmdchiamabobine_ = ctl("cmdchiamabobine");
    Control& cmdesci_ = ctl("cmdesci");
    Control& lblinduttanza_ = ctl("lblinduttanza");
    Control& txtlunghezza_ = ctl("txtlunghezza");
    Control& txtdistanza_ = ctl("txtdistanza");
    Control& txtdiametro_ = ctl("txtdiametro");
    Control& txtfrequenza_ = ctl("txtfrequenza");
};

}  // namespace ondalab
