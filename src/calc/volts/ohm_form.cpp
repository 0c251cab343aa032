#include "calc/volts/ohm_form.h"

#include <array>

#include "calc/volts/ohm.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

struct Mode {
    const char* option;
    const char* formulas;
    std::array<const char*, 4> names;  // lblinput(0) to lblinput(3)
};

const std::array<Mode, 6> kModes = {{
    {TR("frmleggediohm", "VOLT  e  AMPERE"),
     TR("frmleggediohm", "R = V : I     W= V x I"),
     {TR("frmleggediohm", "VOLT :"), TR("frmleggediohm", "AMPER :"), TR("frmleggediohm", "OHM :"),
      TR("frmleggediohm", "WATT :")}},
    {TR("frmleggediohm", "VOLT e  OHM"),
     TR("frmleggediohm", "I = V : R     W = (V x V) : R"),
     {TR("frmleggediohm", "VOLT :"), TR("frmleggediohm", "OHM :"), TR("frmleggediohm", "AMPER :"),
      TR("frmleggediohm", "WATT :")}},
    {TR("frmleggediohm", "VOLT e  WATT"),
     TR("frmleggediohm", "I = W : V     R = (V x V) : W"),
     {TR("frmleggediohm", "VOLT :"), TR("frmleggediohm", "WATT :"), TR("frmleggediohm", "AMPER :"),
      TR("frmleggediohm", "OHM :")}},
    {TR("frmleggediohm", "AMPERE e OHM"),
     TR("frmleggediohm", "V = I x R     W = (I x I) x R"),
     {TR("frmleggediohm", "AMPER :"), TR("frmleggediohm", "OHM :"), TR("frmleggediohm", "VOLT :"),
      TR("frmleggediohm", "WATT :")}},
    {TR("frmleggediohm", "AMPERE e  WATT"),
     TR("frmleggediohm", "V = W : I     R = W : (I x I)"),
     {TR("frmleggediohm", "AMPER :"), TR("frmleggediohm", "WATT :"), TR("frmleggediohm", "VOLT :"),
      TR("frmleggediohm", "OHM :")}},
    {TR("frmleggediohm", "OHM e  WATT"),
     TR("frmleggediohm", "V = radice(R x W)   I = radice( W : R)"),
     {TR("frmleggediohm", "OHM :"), TR("frmleggediohm", "WATT :"), TR("frmleggediohm", "VOLT :"),
      TR("frmleggediohm", "AMPER :")}},
}};

constexpr Mask kResultMask = "#,##0.###";

std::vector<ControlSpec> ohmControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    c.push_back({.kind = K::Frame,
                 .name = "Frame1",
                 .rect = {120, 120, 3000, 2760},
                 .text = TR("frmleggediohm", "dati conosciuti"),
                 .tooltip = TR("frmleggediohm", "effettuare una scelta")});
    for (int i = 0; i < 6; ++i)
        c.push_back({.kind = K::Option,
                     .name = indexed("Option1", i),
                     .rect = {300, 420 + i * 400, 2700, 330},
                     .text = kModes[static_cast<size_t>(i)].option,
                     .group = "Frame1"});
    const auto nameLabel = [](std::string name, int top, bool visible) {
        return ControlSpec{.kind = K::Label,
                           .name = std::move(name),
                           .rect = {3300, top + 45, 1200, 300},
                           .visible = visible,
                           .align = Align::Right};
    };
    const auto valueBox = [](K kind, std::string name, int top) {
        return ControlSpec{.kind = kind,
                           .name = std::move(name),
                           .rect = {4600, top, 1800, 360},
                           .tooltip = kind == K::TextBox ? TR("frmleggediohm", "immissione dato") : "",
                           .border = kind == K::Label};
    };
    c.push_back({.kind = K::Label,
                 .name = "lblformule",
                 .rect = {3300, 200, 3100, 900},
                 .font = {.serif = true, .points = 10},
                 .align = Align::Center});
    c.push_back(nameLabel("lblinput(0)", 1200, true));
    c.push_back(valueBox(K::TextBox, "txtinput1", 1200));
    c.push_back(nameLabel("lblinput(1)", 1700, true));
    c.push_back(valueBox(K::TextBox, "txtinput2", 1700));
    c.push_back(nameLabel("lblinput(2)", 2300, false));
    c.push_back(valueBox(K::Label, "lblinput(4)", 2300));
    c.push_back(nameLabel("lblinput(3)", 2800, false));
    c.push_back(valueBox(K::Label, "lblinput(5)", 2800));
    c.push_back({.kind = K::Button,
                 .name = "cmdcalcola",
                 .rect = {1300, 3300, 1600, 450},
                 .text = TR("frmleggediohm", "CALCOLA"),
                 .tooltip = TR("frmleggediohm", "abilita il calcolo")});
    c.push_back({.kind = K::Button,
                 .name = "cdmesci",
                 .rect = {3700, 3300, 1600, 450},
                 .text = TR("frmleggediohm", "CHIUDI"),
                 .tooltip = TR("frmleggediohm", "esce dall'applicazione")});
    return c;
}

}  // namespace

Frmleggediohm::Frmleggediohm(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmleggediohm", "POTENZA - TENSIONE - CORRENTE - RESISTENZA"),
            .rect = {0, 0, 6750, 4350},
            .faultFocus = "txtinput1"},
           ohmControls()) {
    onClick("Option1", &Frmleggediohm::Option1_Click);
    onClick(cmdcalcola_, &Frmleggediohm::cmdcalcola_Click);
    onClick(cdmesci_, &Frmleggediohm::cdmesci_Click);
}

void Frmleggediohm::Option1_Click(int index) {
    mode_ = index;
    const Mode& m = kModes[static_cast<size_t>(index)];
    lblformule_.setText(tr(kName, m.formulas));
    for (size_t i = 0; i < m.names.size(); ++i) lblinput_[i]->setText(tr(kName, m.names[i]));
}

void Frmleggediohm::cmdcalcola_Click() {
    const double a = num(txtinput1_);
    const double b = toSingle(num(txtinput2_));  // the second input is held in single precision
    if (!missingDataOk(a * b, txtinput1_, Negative::Refused)) return;
    const auto r = ohm::solve(static_cast<ohm::Known>(mode_), a, b);
    const std::string first = masked(r.first, kResultMask);
    const std::string second = masked(r.second, kResultMask);
    lblinput_[4]->setText(first);
    lblinput_[5]->setText(second);
    lblinput_[2]->setVisible(true);  // the result names appear with the first result
    lblinput_[3]->setVisible(true);
}

}  // namespace ondalab
