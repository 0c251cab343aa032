// Two-band trap antenna (vertical or dipole arm), with the coil form and
// the disclaimer a click away.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmantmultigamma : public Form {
public:
    static constexpr const char* kName = "frmantmultigamma";
    explicit Frmantmultigamma(Workbench& wb);
    void Form_Load() override;

private:
    void Option1_Click(int index);
    void cmdcalcola_Click();
    void cmdavviso_Click();
    void cmdchiamabobine_Click();
    void cmdesci_Click() { close(); }

    // the controls the handlers use, bound when the form is built
    Control& cmdcalcola_ = ctl("cmdcalcola");
    Control& cmdavviso_ = ctl("cmdavviso");
    Control& cmdchiamabobine_ = ctl("cmdchiamabobine");
    Control& cmdesci_ = ctl("cmdesci");
    Control& lbldato_ = ctl("lbldato");
    Control& txtdato_ = ctl("txtdato");
    Control& lblA_ = ctl("lblA");
    Control& lblB_ = ctl("lblB");
    Control& Option10_ = ctl("Option1(0)");
    Control& lbloutput_ = ctl("lbloutput");
    Control& txtF1_ = ctl("txtF1");
    Control& txtF2_ = ctl("txtF2");
    std::vector<Control*> results_ = ctls({"lblA", "lblB", "lbloutput"});
};

}  // namespace ondalab
