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
};

}  // namespace ondalab
