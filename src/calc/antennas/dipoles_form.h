// Half-wave dipole arms, computed as the user types the frequency.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmdipoli : public Form {
public:
    static constexpr const char* kName = "frmdipoli";
    explicit Frmdipoli(Workbench& wb);
    void Form_Load() override;

private:
    void txtfrequenza_Change();
    void cmdesci_Click() { close(); }

    // the controls the handlers use, bound when the form is built
    Control& txtfrequenza_ = ctl("txtfrequenza");
    Control& cmdesci_ = ctl("cmdesci");
    Control& lbllunghezza_ = ctl("lbllunghezza");
    Control& lblbraccio_ = ctl("lblbraccio");
    Control& lbllunghezzavert_ = ctl("lbllunghezzavert");
    std::vector<Control*> results_ = ctls({"lbllunghezza", "lbllunghezzavert", "lblbraccio"});
};

}  // namespace ondalab
