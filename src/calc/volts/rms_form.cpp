#include "calc/volts/rms_form.h"

#include <array>
#include <string>

#include "calc/volts/rms.h"
#include "common/layout.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

constexpr Mask kMask = "#,##0.##";

struct Mode {
    const char* option;  // also the name of the input
    const char* first;   // the texts before the two results
    const char* second;
};

const std::array<Mode, 3> kModes = {{
    {TR("frmvolt", "VOLT EFFICACI"), TR("frmvolt", "VOLT di picco : "), TR("frmvolt", "VOLT picco picco : ")},
    {TR("frmvolt", "VOLT DI PICCO"), TR("frmvolt", "VOLT efficaci : "), TR("frmvolt", "VOLT picco picco : ")},
    {TR("frmvolt", "VOLT PICCO PICCO"), TR("frmvolt", "VOLT efficaci : "), TR("frmvolt", "VOLT di picco : ")},
}};

std::vector<ControlSpec> voltControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    c.push_back({.kind = K::Frame,
                 .name = "Frame1",
                 .rect = {120, 120, 2800, 1400},
                 .text = TR("frmvolt", "Dato conosciuto")});
    for (int i = 0; i < 3; ++i)
        c.push_back({.kind = K::Option,
                     .name = indexed("Option1", i),
                     .rect = {300, 400 + i * 340, 2500, 300},
                     .text = kModes[static_cast<size_t>(i)].option,
                     .group = "Frame1"});
    c.push_back({.kind = K::Label,
                 .name = "lblinput",
                 .rect = {3200, 300, 2600, 300},
                 .font = {.bold = true},
                 .align = Align::Center});
    c.push_back({.kind = K::TextBox,
                 .name = "txtinput",
                 .rect = {3500, 700, 2000, 330},
                 .tooltip = TR("frmvolt", "inserisci il voltaggio")});
    for (int i = 1; i <= 3; ++i)
        c.push_back(resultLabel("lblout" + std::to_string(i), {600, 1680 + (i - 1) * 420, 4800, 330}));
    c.push_back({.kind = K::Button,
                 .name = "cmdcalcola",
                 .rect = {1200, 3050, 1500, 420},
                 .text = TR("frmvolt", "CALCOLA")});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {3300, 3050, 1500, 420},
                 .text = TR("frmvolt", "E S C I")});
    return c;
}

}  // namespace

Frmvolt::Frmvolt(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmvolt", "VOLT EFFETTIVI - VOLT DI PICCO - VOLT PICCO PICCO"),
            .rect = {0, 0, 6120, 4000},
            .faultFocus = "txtinput"},
           voltControls()) {
    onClick("Option1", &Frmvolt::Option1_Click);
    onClick(cmdcalcola_, &Frmvolt::cmdcalcola_Click);
    onClick(cmdesci_, &Frmvolt::cmdesci_Click);
}

void Frmvolt::showResults(bool on) {
    for (Control* r : results_) r->setVisible(on);
}

void Frmvolt::Option1_Click(int index) {
    known_ = index;
    showResults(false);
    txtinput_.setText("");
    lblinput_.setText(tr(kName, kModes[static_cast<size_t>(index)].option));
}

void Frmvolt::cmdcalcola_Click() {
    const double x = num(txtinput_);
    if (x <= 0) {
        workbench().plainBox(tr("frmvolt", "INPUT NON VALIDO"),
                             tr("frmvolt", "MESSAGGIO DI ERRORE"));  // the program's one box without an icon
        setFocus(txtinput_);
        showResults(true);  // with whatever they held
        return;
    }
    const auto known = static_cast<rms::Known>(known_);
    const auto others = rms::convert(known, x);
    const std::string first = masked(others.first, kMask);
    const std::string second = masked(others.second, kMask);
    // The average comes from the peak: as shown when it is a result.
    const double peak = known == rms::Known::Rms    ? readRegional(first, fmt())
                        : known == rms::Known::Peak ? x
                                                    : readRegional(second, fmt());
    const double average = toSingle(roundThrough(rms::average(peak), kMask));
    const std::string averageText = shortT(average);
    const Mode& m = kModes[static_cast<size_t>(known_)];
    lblout1_.setText(tr(kName, m.first) + first);
    lblout2_.setText(tr(kName, m.second) + second);
    lblout3_.setText(compose(tr("frmvolt", "VOLT VALORE MEDIO : %1"), {averageText}));
    showResults(true);
}

}  // namespace ondalab
