#include "calc/volts/dbmicrovolt_form.h"

#include <array>
#include <optional>
#include <string>

#include "calc/volts/dbmicrovolt.h"
#include "common/layout.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

struct Mode {
    const char* option;
    const char* input;
    const char* output;
};

const std::array<Mode, 2> kModes = {{
    {TR("frmdBmicrovolt", "da microvolt a dBmicrovolt"), TR("frmdBmicrovolt", "DIGITARE I microvolt"),
     TR("frmdBmicrovolt", "CORRISPONDE A dBmicrovolt : ")},
    {TR("frmdBmicrovolt", "da dBmicroV a microvolt"), TR("frmdBmicrovolt", "DIGITARE I dBmicrovolt"),
     TR("frmdBmicrovolt", "CORRISPONDE A microvolt")},
}};

constexpr const char* kNegative = TR("frmdBmicrovolt", "NON ESISTONO VALORI NEGATIVI");

std::vector<ControlSpec> dbmicrovoltControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    c.push_back(
        {.kind = K::Label,
         .name = "Label1",
         .rect = {120, 120, 5760, 720},
         .text = TR("frmdBmicrovolt",
                    "Il dB microvolt E' UNA UNITA' DI MISURA, USATA IN CAMPO TELEVISIVO, CHE ESPRIME IL "
                    "GUADAGNO O L' ATTENUAZIONE IN TENSIONE SU DI UN CARICO DA 75 OHM."),
         .align = Align::Center});
    c.push_back({.kind = K::Frame,
                 .name = "Frame1",
                 .rect = {1200, 960, 3600, 960},
                 .text = TR("frmdBmicrovolt", " Opzioni di calcolo  ")});
    for (int i = 0; i < 2; ++i)
        c.push_back({.kind = K::Option,
                     .name = indexed("Option1", i),
                     .rect = {1380, 1220 + i * 320, 3300, 300},
                     .text = kModes[static_cast<size_t>(i)].option,
                     .group = "Frame1"});
    c.push_back(
        {.kind = K::Label, .name = "lblinput", .rect = {120, 2130, 3000, 300}, .align = Align::Right});
    c.push_back({.kind = K::TextBox, .name = "txtin", .rect = {3300, 2090, 1800, 330}});
    c.push_back({.kind = K::Label,
                 .name = "lbloutput",
                 .rect = {120, 2600, 3000, 300},
                 .visible = false,
                 .align = Align::Right});
    c.push_back(
        resultLabel("lblout", {3300, 2560, 1800, 330}, {.font = {.bold = true}, .align = Align::Center}));
    c.push_back({.kind = K::Label,
                 .name = "Label2",
                 .rect = {120, 3060, 5760, 300},
                 .text = TR("frmdBmicrovolt", "usare il punto del tastierino numerico per i decimali"),
                 .fore = colors::red,
                 .align = Align::Center});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {2250, 3450, 1500, 420},
                 .text = TR("frmdBmicrovolt", "E S C I")});
    return c;
}

}  // namespace

FrmdBmicrovolt::FrmdBmicrovolt(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmdBmicrovolt", "dBmicrovolt RIFERITO AD IMPEDENZE DI 75 Ohm"),
            .rect = {0, 0, 6120, 4350},
            .faultFocus = "txtin",
            .defaultButton = {}},
           dbmicrovoltControls()) {
    onClick("Option1", &FrmdBmicrovolt::Option1_Click);
    onChange(txtin_, &FrmdBmicrovolt::txtin_Change);
    onClick(cmdesci_, &FrmdBmicrovolt::cmdesci_Click);
}

void FrmdBmicrovolt::Option1_Click(int index) {
    mode_ = index;
    lblinput_.setText(tr(kName, kModes[static_cast<size_t>(index)].input));
    lbloutput_.setText(tr(kName, kModes[static_cast<size_t>(index)].output));
}

void FrmdBmicrovolt::txtin_Change() {
    double x = num(txtin_);
    std::optional<double> result;
    if (mode_ == 0) {
        if (x == 0) x = 1;
        if (x < 0) {  // warned, then computed as 1 microvolt
            x = 1;
            warnAndFocus(txtin_, kNegative);
        }
        result = toSingle(dbmicrovolt::fromMicrovolts(x));  // the result is held in single precision
    } else if (x > dbmicrovolt::kMaxDecibels) {
        warnAndFocus(txtin_, TR("frmdBmicrovolt", "dBmicroV max = 120"));
    } else if (x < 0) {
        warnAndFocus(txtin_, kNegative);
    } else {
        result = toSingle(dbmicrovolt::toMicrovolts(x));
    }
    if (result) {
        // rounded to two decimals through the mask, held in single precision again
        const double shown = toSingle(roundThrough(*result, "#,##0.##"));
        lblout_.setText(shortT(shown));
    }
    lbloutput_.setVisible(true);  // also after a warning
}

}  // namespace ondalab
