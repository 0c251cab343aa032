// Capacitive hat: the disc at the top of a short vertical that brings it to
// resonance.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmcappello : public Form {
public:
    static constexpr const char* kName = "frmcappello";
    explicit Frmcappello(Workbench& wb);

private:
    void cmdcalcola_Click();
    void cmdavviso_Click();
    void cmdesci_Click() { close(); }

    Control& txtlunghezza_ = ctl("txtlunghezza");
    Control& txtdiametro_ = ctl("txtdiametro");
    Control& txtfrequenza_ = ctl("txtfrequenza");
    Control& lblc_ = ctl("lblc");
    std::vector<Control*> results_;
};

}  // namespace ondalab
