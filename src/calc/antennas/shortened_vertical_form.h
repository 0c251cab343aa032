// Shortened vertical: the loading coil part-way up a short radiator, its
// electrical length and radiation resistance.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmvertaccorciata : public Form {
public:
    static constexpr const char* kName = "frmvertaccorciata";
    explicit Frmvertaccorciata(Workbench& wb);

private:
    void cmdcalcola_Click();
    void cmdchiamabobine_Click();
    void cmdesci_Click() { close(); }

    // the controls the handlers use, bound when the form is built
    Control& cmdcalcola_ = ctl("cmdcalcola");
    Control& cmdchiamabobine_ = ctl("cmdchiamabobine");
    Control& cmdesci_ = ctl("cmdesci");
    Control& lblinduttanza_ = ctl("lblinduttanza");
    Control& lblind_ = ctl("lblind");
    Control& lblgradi_ = ctl("lblgradi");
    Control& lblRR_ = ctl("lblRR");
    Control& lbldist_ = ctl("lbldist");
    Control& lbllung_ = ctl("lbllung");
    Control& txtlunghezza_ = ctl("txtlunghezza");
    Control& txtdistanza_ = ctl("txtdistanza");
    Control& txtdiametro_ = ctl("txtdiametro");
    Control& txtfrequenza_ = ctl("txtfrequenza");
};

}  // namespace ondalab
