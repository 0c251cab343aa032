// Gamma match: rod length and spacing, series capacitor and the length of
// RG 8/213 that can serve as that capacitor, shown on the sketch.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmgammamatch : public Form {
public:
    static constexpr const char* kName = "frmgammamatch";
    explicit Frmgammamatch(Workbench& wb);

private:
    void cmdcalcola_Click();
    void cmdesci_Click() { close(); }

    Control& txtfrequenza_ = ctl("txtfrequenza");
    Control& lbllunghezza_ = ctl("lbllunghezza");
    Control& lbldistanza_ = ctl("lbldistanza");
    Control& lbllambda_ = ctl("lbllambda");
    Control& lblpf_ = ctl("lblpf");
    Control& lblcavo_ = ctl("lblcavo");
    Control& lbldiametri_ = ctl("lbldiametri");
    Control& lblc_ = ctl("lblc");
};

}  // namespace ondalab
