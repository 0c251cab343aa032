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
};

}  // namespace ondalab
