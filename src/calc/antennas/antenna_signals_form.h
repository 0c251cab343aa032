// Antenna signals at a distance: the twin forms for two half-wave dipoles
// and for antennas of given gains, one implementation with their
// differences as data.
#pragma once

#include "common/form.h"

namespace ondalab {

struct SignalsVariant;

class SignalsForm : public Form {
protected:
    SignalsForm(Workbench& wb, const SignalsVariant& variant);

private:
    void cmdcalcola_Click();
    void cmdesci_Click() { close(); }

    const SignalsVariant& variant_;
    Control& txtwatt_ = ctl("txtwatt");
    Control& txtdistanza_ = ctl("txtdistanza");
    Control& txtfrequenza_ = ctl("txtfrequenza");
    Control* txtgt_;  // the gains: only where the variant types them
    Control* txtgr_;
    std::vector<Control*> results_;
};

class Frmsegnalidipolo : public SignalsForm {
public:
    static constexpr const char* kName = "frmsegnalidipolo";
    explicit Frmsegnalidipolo(Workbench& wb);
};

class Frmsegnaligenerica : public SignalsForm {
public:
    static constexpr const char* kName = "frmsegnaligenerica";
    explicit Frmsegnaligenerica(Workbench& wb);
};

}  // namespace ondalab
