// Power transformer: core width and height, primary and secondary volts
// and the lamination quality in; sections, power, turns, currents and wire
// diameters out, on CALCOLA.
#pragma once

#include <cstdint>

#include "common/form.h"

namespace ondalab {

class Frmtrasformatori : public Form {
public:
    static constexpr const char* kName = "frmtrasformatori";
    explicit Frmtrasformatori(Workbench& wb);

private:
    void Option1_Click(int index);
    void cmdcalcola_Click();
    void cmdesci_Click() { close(); }

    // The quality last chosen; 0 until an option is clicked.
    double f_ = 0;
    std::int16_t k_ = 0;

    Control& txtlunghezza_ = ctl("txtlunghezza");
    Control& txtaltezza_ = ctl("txtaltezza");
    Control& txtvp_ = ctl("txtvp");
    Control& txtvs_ = ctl("txtvs");
    Control& lblSL_ = ctl("lblSL");
    Control& lblSN_ = ctl("lblSN");
    Control& lblWATT_ = ctl("lblWATT");
    Control& lblSP_ = ctl("lblSP");
    Control& lblSS_ = ctl("lblSS");
    Control& lbltotSP_ = ctl("lbltotSP");
    Control& lbltotSS_ = ctl("lbltotSS");
    Control& lbldiamP_ = ctl("lbldiamP");
    Control& lbldiamS_ = ctl("lbldiamS");
    Control& lblampprim_ = ctl("lblampprim");
    Control& lblampsec_ = ctl("lblampsec");
};

}  // namespace ondalab
