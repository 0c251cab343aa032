// Electrical length: one wavelength in air and in coaxial cable, and the
// half-wave multiples at which an SWR meter reads as at the feed point.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmlungelettrica : public Form {
public:
    static constexpr const char* kName = "frmlungelettrica";
    explicit Frmlungelettrica(Workbench& wb);

private:
    void cmdcalcola_Click();
    void cmdesci_Click() { close(); }

    Control& txtinput_ = ctl("txtinput");
    Control& fiftyOhm_ = ctl("Option1(0)");
    Control& lbllungmetri_ = ctl("lbllungmetri");
    Control& lbllungelettrici_ = ctl("lbllungelettrici");
    Control& lbltrattidilinea_ = ctl("lbltrattidilinea");
    Control& lbltrattidilinea1_ = ctl("lbltrattidilinea1");
    Control& lbltrattidilinea2_ = ctl("lbltrattidilinea2");
};

}  // namespace ondalab
