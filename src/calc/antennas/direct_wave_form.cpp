#include "calc/antennas/direct_wave_form.h"

#include <string>

#include "calc/antennas/direct_wave.h"
#include "common/catalogue.h"
#include "common/layout.h"

namespace ondalab {

namespace {

std::vector<ControlSpec> directWaveControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    c.push_back(
        {.kind = K::Label,
         .name = "Label1",
         .rect = {240, 240, 6480, 900},
         .text =
             TR("frmondadiretta",
                "CONOSCENDO L'ALTEZZA DELL'ANTENNA SUL LIVELLO DEL MARE , SI PUO' CALCOLARE IN VIA TEORICA "
                "LA DISTANZA COPERTA PER ONDA DIRETTA OPERANDO IN IN VHF - UHF"),
         .fore = colors::darkBlue,
         .font = {.points = 9, .bold = true},
         .align = Align::Center});
    addInputRow(c, {.label = "Label2",
                    .caption = TR("frmondadiretta", "ALTEZZA IN MT. SUL LIVELLO DEL MARE"),
                    .box = "txtaltezza",
                    .top = 1380,
                    .labelLeft = 480,
                    .labelWidth = 3600,
                    .boxLeft = 4320,
                    .boxWidth = 1440});
    c.push_back({.kind = K::Label,
                 .name = "lbldistanza",
                 .rect = {480, 2040, 5760, 360},
                 .fore = colors::red,
                 .font = {.points = 10, .bold = true},
                 .align = Align::Center});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {2640, 2700, 1680, 420},
                 .text = TR("frmondadiretta", "C H I U D I")});
    return c;
}

}  // namespace

Frmondadiretta::Frmondadiretta(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmondadiretta", "DISTANZA DI COLLEGAMENTO PER ONDA DIRETTA"),
            .rect = {0, 0, 7080, 3720},
            .style = FrameStyle::Sizable,
            .faultFocus = "txtaltezza",
            .defaultButton = {}},
           directWaveControls()) {
    onChange(txtaltezza_, &Frmondadiretta::txtaltezza_Change);
    onClick(ctl("cmdesci"), &Frmondadiretta::cmdesci_Click);
}

// Every keystroke: nothing for no number, a warning for a height out of
// range (the text stays as typed), else the distance.
void Frmondadiretta::txtaltezza_Change() {
    const double h = num(txtaltezza_);
    if (h == 0) return;
    if (h < 0) {
        warnAndFocus(txtaltezza_, TR("frmondadiretta", "MANCA DATO"));
        return;
    }
    if (h > direct_wave::kHighest) {
        warnAndFocus(txtaltezza_, TR("frmondadiretta", "ALTEZZA ECCESSIVA"));
        return;
    }
    lbldistanza_.setText(compose(tr("frmondadiretta", "LA POSSIBILE DISTANZA E' DI KM: %1"),
                                 {std::to_string(direct_wave::distanceKm(h))}));
}

}  // namespace ondalab
