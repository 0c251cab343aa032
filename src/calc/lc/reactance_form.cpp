#include "calc/lc/reactance_form.h"

#include <array>

#include "calc/lc/reactance.h"
#include "common/catalogue.h"
#include "common/fault.h"
#include "common/layout.h"

namespace ondalab {

namespace {

struct Mode {
    const char* formula;               // lblfantasma
    std::array<const char*, 3> names;  // lblinput(0) to lblinput(2)
};

const std::array<Mode, 2> kModes = {{
    {TR("frmreattanza", "XL in Ohm = 6,28 x (Mhz x induttanza in uH)"),
     {TR("frmreattanza", "Mhz"), TR("frmreattanza", "microH"), TR("frmreattanza", "XL Ohm")}},
    {TR("frmreattanza", "XC in Ohm = 159.000 : (Mhz x pF)"),
     {TR("frmreattanza", "Mhz"), TR("frmreattanza", "picoF"), TR("frmreattanza", "XC Ohm")}},
}};

constexpr Mask kResultMask = "#,##0.###";

std::vector<ControlSpec> reattanzaControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    c.push_back({.kind = K::Frame,
                 .name = "Frame1",
                 .rect = {240, 120, 5280, 780},
                 .text = TR("frmreattanza", "Tipo di Reattanza")});
    c.push_back({.kind = K::Option,
                 .name = "Option1(0)",
                 .rect = {420, 420, 2400, 330},
                 .text = TR("frmreattanza", "Reattanza Induttiva"),
                 .group = "Frame1"});
    c.push_back({.kind = K::Option,
                 .name = "Option1(1)",
                 .rect = {2940, 420, 2400, 330},
                 .text = TR("frmreattanza", "Reattanza Capacitiva"),
                 .group = "Frame1"});
    c.push_back({.kind = K::Label,
                 .name = "lblfantasma",
                 .rect = {240, 1080, 5280, 330},
                 .font = {.points = 9, .bold = true},
                 .align = Align::Center});
    for (int i = 0; i < 2; ++i)
        addInputRow(c, {.label = indexed("lblinput", i),
                        .box = indexed("txtinput", i),
                        .top = 1620 + i * 480,
                        .labelLeft = 840,
                        .labelWidth = 1500,
                        .boxLeft = 2520,
                        .boxWidth = 1800,
                        .labelAlign = Align::Right});
    // the result row: a framed label where the box would be
    c.push_back(
        {.kind = K::Label, .name = "lblinput(2)", .rect = {840, 2685, 1500, 300}, .align = Align::Right});
    c.push_back(resultLabel("lblinput(3)", {2520, 2640, 1800, 360}));
    c.push_back({.kind = K::Label,
                 .name = "Label1",
                 .rect = {240, 3180, 5280, 330},
                 .text = TR("frmreattanza", "L'uso dei Mhz e dei micro Henry ottimizza il calcolo per le HF"),
                 .align = Align::Center});
    c.push_back({.kind = K::Button,
                 .name = "cmdcalcola",
                 .rect = {960, 3660, 1600, 450},
                 .text = TR("frmreattanza", "CALCOLA")});
    c.push_back({.kind = K::Button,
                 .name = "cmnesci",
                 .rect = {3240, 3660, 1600, 450},
                 .text = TR("frmreattanza", "ESCI")});
    return c;
}

}  // namespace

Frmreattanza::Frmreattanza(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmreattanza", "Reattanza "),
            .rect = {0, 0, 5880, 4770},
            .faultFocus = "txtinput(0)"},
           reattanzaControls()) {
    onClick("Option1", &Frmreattanza::Option1_Click);
    onClick(ctl("cmdcalcola"), &Frmreattanza::cmdcalcola_Click);
    onClick(ctl("cmnesci"), &Frmreattanza::cmnesci_Click);
}

void Frmreattanza::Option1_Click(int index) {
    const Mode& m = kModes[static_cast<size_t>(index)];
    lblfantasma_.setText(tr(kName, m.formula));
    for (size_t i = 0; i < m.names.size(); ++i) lblinput_[i]->setText(tr(kName, m.names[i]));
}

void Frmreattanza::cmdcalcola_Click() {
    const double f = num(*txtinput_[0]);
    // the inductance or capacitance is held in single precision
    const double x = finite(toSingle(num(*txtinput_[1])));
    if (!missingDataOk(f * x, *txtinput_[0])) return;
    // with no option chosen the capacitive formula applies
    const double result = option1_[0]->checked() ? reactance::inductive(f, x) : reactance::capacitive(f, x);
    lblinput_[3]->setText(masked(result, kResultMask));
}

}  // namespace ondalab
