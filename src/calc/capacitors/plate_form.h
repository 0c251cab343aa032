// A home-made parallel-plate capacitor from its plate area, spacing and
// dielectric; a fixed table of breakdown voltages in dry air beside it.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmcostruzionecondensatori : public Form {
public:
    static constexpr const char* kName = "frmcostruzionecondensatori";
    explicit Frmcostruzionecondensatori(Workbench& wb);

private:
    void Option1_Click(int index);
    void cmdcalcola_Click();
    void cmdesci_Click() { close(); }

    double k_ = 0;  // the dielectric constant; none before an option is chosen
    Control& txtsuperficie_ = ctl("txtsuperficie");
    Control& txtdistanza_ = ctl("txtdistanza");
    Control& lblcapacita_ = ctl("lblcapacità");
};

}  // namespace ondalab
