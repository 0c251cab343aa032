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
};

}  // namespace ondalab
