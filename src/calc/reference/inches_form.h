// Inches and centimetres: a direction, a length, CONVERTI; the length in
// the other unit and in feet, beside a table of common inch fractions.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmmisureinglesi : public Form {
public:
    static constexpr const char* kName = "frmmisureinglesi";
    explicit Frmmisureinglesi(Workbench& wb);

private:
    void Option1_Click();
    void Option2_Click();
    void cmdcalcola_Click();
    void cmdesci_Click() { close(); }

    Control& Option1_ = ctl("Option1");
    Control& Option2_ = ctl("Option2");
    Control& txtinput_ = ctl("txtinput");
    Control& lblinput_ = ctl("lblinput");
    Control& lbloutput_ = ctl("lbloutput");
    Control& lblpiedi_ = ctl("lblpiedi");
};

}  // namespace ondalab
