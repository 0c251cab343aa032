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

    // the controls the handlers use, bound when the form is built
    Control& cmdcalcola_ = ctl("cmdcalcola");
    Control& cmdstampa_ = ctl("cmdstampa");
    Control& cmdavviso_ = ctl("cmdavviso");
    Control& cmdchiudi_ = ctl("cmdchiudi");
    Control& txtlunghezzarad_ = ctl("txtlunghezzarad");
    Control& txtfrequenza_ = ctl("txtfrequenza");
    Control& txtdiametrorad_ = ctl("txtdiametrorad");
    Control& txtdiametrobob_ = ctl("txtdiametrobob");
    Control& txtlunghezzabob_ = ctl("txtlunghezzabob");
    std::vector<Control*> results_ =
        ctls({"lblgradi", "lblRR", "lblimpedenza", "lblreattanza", "lblinduttanza", "lblspire"});
};

}  // namespace ondalab
