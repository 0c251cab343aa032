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

    // the controls the handlers use, bound when the form is built
    Control& cmdcalcola_ = ctl("cmdcalcola");
    Control& cmdesci_ = ctl("cmdesci");
    Control& txtinput1_ = ctl("txtinput1");
    Control& txtvoltesempio_ = ctl("txtvoltesempio");
    Control& lblinput1_ = ctl("lblinput1");
    Control& lblinput2_ = ctl("lblinput2");
    Control& txtinput2_ = ctl("txtinput2");
    Control& lbloutput1_ = ctl("lbloutput1");
    Control& lbloutput2_ = ctl("lbloutput2");
    Control& lblout2_ = ctl("lblout2");
    Control& lblvariazione_ = ctl("lblvariazione");
    Control& lblout1_ = ctl("lblout1");
    Control& lbldbesempio_ = ctl("lbldbesempio");
    Control& Label9_ = ctl("Label9");
    Control& Label10_ = ctl("Label10");
};

}  // namespace ondalab
