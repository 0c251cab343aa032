// Resonance: frequency, wavelength and L / C of an inductance and a
// capacitance; opens the coil form beside itself.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmrisonanza : public Form {
public:
    static constexpr const char* kName = "frmrisonanza";
    explicit Frmrisonanza(Workbench& wb);
    void Form_Load() override;

private:
    void cmdcalcola_Click();
    void cmdchiamabobine_Click();
    void cdmesci_Click() { close(); }

    Control& txtinduttanza_ = ctl("txtinduttanza");
    Control& txtcapacita_ = ctl("txtcapacità");
    Control& lbloutputfrequenza_ = ctl("lbloutputfrequenza");
    Control& lbloutputmetri_ = ctl("lbloutputmetri");
    Control& lbloutputresistenza_ = ctl("lbloutputresistenza");
    Control& lblfantasma_ = ctl("lblfantasma");
};

}  // namespace ondalab
