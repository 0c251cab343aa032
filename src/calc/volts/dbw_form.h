// dBW - dBm - watt conversions, computed as the user types.
#pragma once

#include <string>

#include "common/form.h"

namespace ondalab {

class FrmdBW : public Form {
public:
    static constexpr const char* kName = "frmdBW";
    explicit FrmdBW(Workbench& wb);

private:
    void Option1_Click(int index);
    void txtinput_Change();
    void cmdesci_Click() { close(); }

    void fromDbw(double x);
    void fromDbm(double x);
    void fromWatts(double x);
    void rangeWarning(const char* prompt, const char* title);
    void voltCaptionsBack();
    void writeVolts(const std::string& v50, const std::string& v75);

    int mode_ = 0;

    // the controls the handlers use, bound when the form is built
    Control& txtinput_ = ctl("txtinput");
    Control& cmdesci_ = ctl("cmdesci");
    Control& lblinput_ = ctl("lblinput");
    Control& lbloutput1_ = ctl("lbloutput1");
    Control& lbloutput2_ = ctl("lbloutput2");
    Control& Label2_ = ctl("Label2");
    Control& Label5_ = ctl("Label5");
    Control& Label6_ = ctl("Label6");
    Control& lbl50_ = ctl("lbl50");
    Control& lbl75_ = ctl("lbl75");
    Control& lblout1_ = ctl("lblout1");
    Control& lblout2_ = ctl("lblout2");
    std::vector<Control*> results_ = ctls({"lblout1", "lblout2", "lbl50", "lbl75"});
};

}  // namespace ondalab
