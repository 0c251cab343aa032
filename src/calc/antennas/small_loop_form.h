// Small transmitting loop: the design from size, tube, frequency and power,
// with a print-out of the form, an information window and a note on the
// coupling capacitor.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmloop : public Form {
public:
    static constexpr const char* kName = "frmloop";
    explicit Frmloop(Workbench& wb);
    void Form_Load() override;

private:
    void cmdcalcola_Click();
    void cmdstampa_Click();
    void cmdinfo_Click();
    void cdmcondensatore_Click();
    void cmdExit_Click() { close(); }

    Control& fraforma_ = ctl("fraforma");
    std::vector<Control*> Option1_ = ctlArray("Option1");
    Control& txtdiametro_ = ctl("txtdiametro");
    Control& txtsezione_ = ctl("txtsezione");
    Control& txtmhz_ = ctl("txtmhz");
    Control& txtwatt_ = ctl("txtwatt");
    Control& lbldiametro_ = ctl("lbldiametro");
    Control& lbllunghezza_ = ctl("lbllunghezza");
    Control& lblfantasma_ = ctl("lblfantasma");
    Control& lblarea_ = ctl("lblarea");
    Control& lblpiedi_ = ctl("lblpiedi");
    Control& lblpollici_ = ctl("lblpollici");
    Control& lbldata_ = ctl("lbldata");
    Control& Label3_ = ctl("Label3");  // feet
    Control& Label5_ = ctl("Label5");  // inches
    std::vector<Control*> results_;
};

// "Informazioni": where the computations come from.
class Frminfoloop : public Form {
public:
    static constexpr const char* kName = "frminfoloop";
    explicit Frminfoloop(Workbench& wb);
    void Form_Load() override;

private:
    void cdmchiudi_Click() { close(); }
};

// The note on the coupling capacitor.
class Frmhelpcondensatore : public Form {
public:
    static constexpr const char* kName = "frmhelpcondensatore";
    explicit Frmhelpcondensatore(Workbench& wb);

private:
    void cmdok_Click() { close(); }
};

}  // namespace ondalab
