// Common-emitter bias: supply, load, gain and beta in; the four resistors,
// the stage's currents and voltages, the largest input signal and the input
// impedance out, on CALCOLA.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmpolarizztransistor : public Form {
public:
    static constexpr const char* kName = "frmpolarizztransistor";
    explicit Frmpolarizztransistor(Workbench& wb);

private:
    void cmdcalcola_Click();
    void CMDESCI_Click() { close(); }
    // Whole ohms through "####,###", read back as the later steps use them;
    // a value that rounds to nothing has no number and is a calculation fault.
    double wholeOhms(const std::string& shown) const { return readRegional(shown, fmt()); }

    Control& txtVcc_ = ctl("txtVcc");
    Control& txtZC_ = ctl("txtZC");
    Control& txtguadagno_ = ctl("txtguadagno");
    Control& txtbeta_ = ctl("txtbeta");
    Control& lblstabilita_ = ctl("lblstabilita");
    Control& lblR1_ = ctl("lblR1");
    Control& lblR2_ = ctl("lblR2");
    Control& lblR3_ = ctl("lblR3");
    Control& lblR4_ = ctl("lblR4");
    Control& lblIc_ = ctl("lblIc");
    Control& lblVc_ = ctl("lblVc");
    Control& lblVe_ = ctl("lblVe");
    Control& lblVb_ = ctl("lblVb");
    Control& lblIb_ = ctl("lblIb");
    Control& lblIp_ = ctl("lblIp");
    Control& lblVbase_ = ctl("lblVbase");
    Control& lblZi_ = ctl("lblZi");
    Control& Label6_ = ctl("Label6");
    Control& Label7_ = ctl("Label7");
    Control& Label8_ = ctl("Label8");
};

}  // namespace ondalab
