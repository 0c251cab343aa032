// RMS, peak and peak-to-peak volts of a sine wave, and its average.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmvolt : public Form {
public:
    static constexpr const char* kName = "frmvolt";
    explicit Frmvolt(Workbench& wb);

private:
    void Option1_Click(int index);
    void cmdcalcola_Click();
    void cmdesci_Click() { close(); }

    void showResults(bool on);

    int known_ = 0;

    // the controls the handlers use, bound when the form is built
    Control& cmdcalcola_ = ctl("cmdcalcola");
    Control& cmdesci_ = ctl("cmdesci");
    Control& txtinput_ = ctl("txtinput");
    Control& lblinput_ = ctl("lblinput");
    Control& lblout1_ = ctl("lblout1");
    Control& lblout2_ = ctl("lblout2");
    Control& lblout3_ = ctl("lblout3");
    std::vector<Control*> results_ = ctls({"lblout1", "lblout2", "lblout3"});
};

}  // namespace ondalab
