// Decibel ratios: decibels to voltage and power ratios, or two voltages or
// powers to decibels; in the first mode the window grows a worked example.
#pragma once

#include <string>

#include "common/form.h"

namespace ondalab {

class FrmdB : public Form {
public:
    static constexpr const char* kName = "frmdB";
    explicit FrmdB(Workbench& wb);
    void Form_Load() override;

private:
    void Option1_Click(int index);
    void cmdcalcola_Click();
    void cmdesci_Click() { close(); }
    void txtinput1_Change();
    void txtvoltesempio_Change();

    void shortWindow();

    int mode_ = 0;
    // The ratios of the last mode-0 computation, kept as shown.
    std::string voltageRatio_;
    std::string powerRatio_;
};

}  // namespace ondalab
