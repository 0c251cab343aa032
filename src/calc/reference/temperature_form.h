// Temperature: Celsius into Fahrenheit, Réaumur and Kelvin as the user types.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmtemperatura : public Form {
public:
    static constexpr const char* kName = "frmtemperatura";
    explicit Frmtemperatura(Workbench& wb);

private:
    void txtcentigradi_Change();
    void cmdesci_Click() { close(); }

    // the controls the handlers use, bound when the form is built
    Control& txtcentigradi_ = ctl("txtcentigradi");
    Control& cmdesci_ = ctl("cmdesci");
    Control& lblfahr_ = ctl("lblfahr");
    Control& lblreau_ = ctl("lblreau");
    Control& lblkelv_ = ctl("lblkelv");
};

}  // namespace ondalab
