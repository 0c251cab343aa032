// The series resistor of a zener-stabilised supply and its dissipation.
#pragma once

#include <cstdint>

#include "common/form.h"

namespace ondalab {

class Frmreszener : public Form {
public:
    static constexpr const char* kName = "frmreszener";
    explicit Frmreszener(Workbench& wb);

private:
    void Option1_Click(int index);
    void cmdcalcola_Click();
    void cmdesci_Click() { close(); }

    std::int16_t zenerMilliamps_ = 0;  // set by the zener class chosen
    Control& txtvcc_ = ctl("txtvcc");
    Control& txtvz_ = ctl("txtvz");
    Control& txtma_ = ctl("txtma");
    Control& lblvcc_ = ctl("lblvcc");
    Control& lblvz_ = ctl("lblvz");
    Control& lblohm_ = ctl("lblohm");
    Control& lblohmlunga_ = ctl("lblohmlunga");
    Control& lblwatt_ = ctl("lblwatt");
};

}  // namespace ondalab
