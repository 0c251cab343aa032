// dB microvolt and microvolts, computed as the user types.
#pragma once

#include "common/form.h"

namespace ondalab {

class FrmdBmicrovolt : public Form {
public:
    static constexpr const char* kName = "frmdBmicrovolt";
    explicit FrmdBmicrovolt(Workbench& wb);

private:
    void Option1_Click(int index);
    void txtin_Change();
    void cmdesci_Click() { close(); }

    int mode_ = 0;

    // the controls the handlers use, bound when the form is built
    Control& txtin_ = ctl("txtin");
    Control& cmdesci_ = ctl("cmdesci");
    Control& lblinput_ = ctl("lblinput");
    Control& lbloutput_ = ctl("lbloutput");
    Control& lblout_ = ctl("lblout");
};

}  // namespace ondalab
