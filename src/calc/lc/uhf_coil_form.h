// UHF coils: diameter, length and height of a straight conductor over the
// ground plane give its inductance.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmbobineuhf : public Form {
public:
    static constexpr const char* kName = "frmbobineuhf";
    explicit Frmbobineuhf(Workbench& wb);

private:
    void ccmdcalcola_Click();
    void cmdesci_Click() { close(); }

    Control& txtdiametro_ = ctl("txtdiametro");
    Control& txtlunghezza_ = ctl("txtlunghezza");
    Control& txtdistanza_ = ctl("txtdistanza");
    Control& lblinduttanza_ = ctl("lblinduttanza");
};

}  // namespace ondalab
