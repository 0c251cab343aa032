// J antenna: radiator, matching line and feed point from the frequency.
#pragma once

#include "common/form.h"

namespace ondalab {

class FrmantennaJ : public Form {
public:
    static constexpr const char* kName = "frmantennaJ";
    explicit FrmantennaJ(Workbench& wb);

private:
    void cmdcalcola_Click();
    void cmdesci_Click() { close(); }

    Control& txtfrequenza_ = ctl("txtfrequenza");
    Control& lblaltezza_ = ctl("lblaltezza");
    Control& lbllinea_ = ctl("lbllinea");
    Control& lbldist_ = ctl("lbldist");
    Control& lbldiametro_ = ctl("lbldiametro");
};

}  // namespace ondalab
