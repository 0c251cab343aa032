#include "calc/reference/temperature_form.h"

#include <string>

#include "calc/reference/temperature.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

constexpr Mask kMask = "#0.##";

std::vector<ControlSpec> temperatureControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    c.push_back(
        {.kind = K::Label,
         .name = "Label1",
         .rect = {120, 120, 5160, 520},
         .text = TR("frmtemperatura", "COMPARAZIONE TRA GRADI CENTIGRADI ED ALTRI SISTEMI DI MISURAZIONE"),
         .fore = colors::darkBlue,
         .font = {.bold = true},
         .align = Align::Center});
    const auto row = [&c](std::string name, std::string caption, K kind, std::string value, int top) {
        c.push_back(
            {.kind = K::Label, .name = std::move(name), .rect = {360, top + 30, 2400, 300}, .text = caption});
        c.push_back({.kind = kind,
                     .name = std::move(value),
                     .rect = {2900, top, 1800, 330},
                     .align = kind == K::Label ? Align::Right : Align::Left,
                     .border = kind == K::Label});
    };
    row("lblgradi", TR("frmtemperatura", "GRADI CENTIGRADI"), K::TextBox, "txtcentigradi", 800);
    row("lblfarenheit", TR("frmtemperatura", "GRADI FAHRENHEIT"), K::Label, "lblfahr", 1250);
    row("lblreaumur", TR("frmtemperatura", "GRADI REAUMUR"), K::Label, "lblreau", 1700);
    row("lblkelvin", TR("frmtemperatura", "GRADI KELVIN"), K::Label, "lblkelv", 2150);
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {1950, 2750, 1500, 420},
                 .text = TR("frmtemperatura", "CHIUDI")});
    return c;
}

}  // namespace

Frmtemperatura::Frmtemperatura(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmtemperatura", "COMPARAZIONI TERMOMETRICHE"),
            .rect = {0, 0, 5520, 3710},
            .faultFocus = "txtcentigradi",
            .defaultButton = {}},
           temperatureControls()) {
    onChange(txtcentigradi_, &Frmtemperatura::txtcentigradi_Change);
    onClick(cmdesci_, &Frmtemperatura::cmdesci_Click);
}

void Frmtemperatura::txtcentigradi_Change() {
    const double c = num(txtcentigradi_);
    const std::string f = masked(temperature::fahrenheit(c), kMask);
    const std::string r = masked(temperature::reaumur(c), kMask);
    // Kelvin rounded to two decimals through the mask, held in single precision.
    const std::string k = shortT(toSingle(roundThrough(temperature::kelvin(c), kMask)));
    lblfahr_.setText(f);
    lblreau_.setText(r);
    lblkelv_.setText(k);
}

}  // namespace ondalab
