// Two-band dipole with traps wound from coaxial cable.
#pragma once

#include "calc/antennas/coax_trap.h"
#include "common/form.h"

namespace ondalab {

class Frmantcoaxmulti : public Form {
public:
    static constexpr const char* kName = "frmantcoaxmulti";
    explicit Frmantcoaxmulti(Workbench& wb);
    void Form_Load() override;

private:
    void Option1_Click(int index);
    void cmdcalcola_Click();
    void cmdavviso_Click();
    void cmdesci_Click() { close(); }

    coax_trap::Cable cable_ = coax_trap::kRG174U;

    // the controls the handlers use, bound when the form is built
    Control& cmdcalcola_ = ctl("cmdcalcola");
    Control& cmdavviso_ = ctl("cmdavviso");
    Control& cmdesci_ = ctl("cmdesci");
    Control& Label1_ = ctl("Label1");
    Control& txtf1_ = ctl("txtf1");
    Control& txtf2_ = ctl("txtf2");
    Control& txtdiametro_ = ctl("txtdiametro");
    Control& txtn_ = ctl("txtn");
    std::vector<Control*> results_ = ctls({"lblcap", "lblimpedenza", "lblfrequenza", "lblrapporto", "lbllunghezzaa",
                                           "lbllunghezzab", "lbllunghezzacavo"});
    // the labels that appear with the first computation
    std::vector<Control*> lateResults_ = ctls(
        {"lblfrequenza", "lblrapporto", "lbllunghezzaa", "lbllunghezzab", "lbllunghezzacavo", "lblcalza"});
};

}  // namespace ondalab
