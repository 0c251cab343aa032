// Direct-wave distance in VHF and UHF from the antenna's height above sea
// level, worked out as the user types.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmondadiretta : public Form {
public:
    static constexpr const char* kName = "frmondadiretta";
    explicit Frmondadiretta(Workbench& wb);

private:
    void txtaltezza_Change();
    void cmdesci_Click() { close(); }

    Control& txtaltezza_ = ctl("txtaltezza");
    Control& lbldistanza_ = ctl("lbldistanza");
};

}  // namespace ondalab
