#include "calc/lines/swr_form.h"

#include "calc/lines/swr.h"
#include "common/catalogue.h"
#include "common/layout.h"

namespace ondalab {

namespace {

constexpr Mask kOneDecimal = "#0.#";
constexpr Mask kPercent = "#,##0.##";
// This form's own spelling of the error title.
constexpr const char* kTitle = TR("frmros", "MESSAGGGIO DI ERRORE");

std::vector<ControlSpec> swrControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    c.push_back(
        {.kind = K::Label,
         .name = "Label1",
         .rect = {240, 180, 6600, 900},
         .text = TR("frmros",
                    "Noto il rapporto di onde stazionarie e supponendo che le impedenze del TX e del cavo "
                    "siano = 50 Ohm, si determina l'impedenza dell'antenna (che può essere più alta o più "
                    "bassa di 50 ohm) e l'energia riflessa e irradiata.")});
    addInputRow(c, {.label = "Label2",
                    .caption = TR("frmros", "RAPPORTO DI ONDE STAZIONARIE"),
                    .box = "txtros",
                    .top = 1260,
                    .tooltip = TR("frmros", "inserisci il ROS")});
    c.push_back({.kind = K::Button,
                 .name = "cmdcalcola",
                 .rect = {240, 1860, 1500, 420},
                 .text = TR("frmros", "CALCOLA")});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {5340, 1860, 1500, 420},
                 .text = TR("frmros", "E S C I")});
    for (int i = 0; const char* name : {"lblimpedenza", "lblwattriflessi", "lblwattirradiati"})
        c.push_back(resultLabel(name, {240, 2520 + 420 * i++, 6600, 330}, {.fore = colors::darkBlue}));
    return c;
}

}  // namespace

Frmros::Frmros(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmros", "IMPEDENZA DELL'ANTENNA IN RAPPORTO AL ROS"),
            .rect = {0, 0, 7200, 4260},
            .faultFocus = "txtros"},
           swrControls()) {
    onClick(ctl("cmdcalcola"), &Frmros::cmdcalcola_Click);
    onClick(ctl("cmdesci"), &Frmros::cmdesci_Click);
}

void Frmros::cmdcalcola_Click() {
    const double s = num(txtros_);
    if (s <= 0) {
        warnAndFocus(txtros_, TR("frmros", "INSERISCI DATO"), kTitle);
        return;
    }
    const std::string higher = masked(swr::higherImpedance(s), kOneDecimal);
    const std::string lower = masked(swr::lowerImpedance(s), kOneDecimal);
    // the radiated share is taken from the reflected one as shown
    const double reflected = toSingle(roundThrough(swr::reflectedPercent(s), kOneDecimal));
    const std::string reflectedText = shortT(reflected);
    const std::string radiated = masked(swr::radiatedPercent(reflected), kPercent);
    lblimpedenza_.setText(compose(tr("frmros", "Impedenza dell'antenna = : %1 o "), {higher}) + lower +
                          tr("frmros", " ohm"));
    lblwattriflessi_.setText(tr("frmros", "Percentuale dell'energia riflessa = : ") + reflectedText + " %");
    lblwattirradiati_.setText(tr("frmros", "Percentuale dell'energia irradiata = : ") + radiated + " %");
}

}  // namespace ondalab
