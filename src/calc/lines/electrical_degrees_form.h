// Metres of wire to electrical degrees at a frequency, or back.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmgradi : public Form {
public:
    static constexpr const char* kName = "frmgradi";
    explicit Frmgradi(Workbench& wb);

private:
    void Option1_Click(int index);
    void cmdcalcola_Click();
    void cmdchiudi_Click() { close(); }
    void toDegrees(double metres, double frequency);
    void toMetres(double degrees, double frequency);

    Control& lblinput_ = ctl("lblinput");
    Control& txtinput_ = ctl("txtinput");
    Control& txtfrequenza_ = ctl("txtfrequenza");
    Control& lbloutput_ = ctl("lbloutput");
    bool metresToDegrees_ = false;  // the direction, set only by an option click
};

}  // namespace ondalab
