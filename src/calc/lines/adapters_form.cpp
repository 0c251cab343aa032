#include "calc/lines/adapters_form.h"

#include "calc/lines/adapters.h"
#include "common/catalogue.h"
#include "common/fault.h"
#include "common/layout.h"

namespace ondalab {

namespace {

constexpr Mask kThreeDecimals = "#,##0.###";

std::vector<ControlSpec> adapterControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    const auto text = [&c](const char* name, int top, const char* caption) {
        c.push_back({.kind = K::Label, .name = name, .rect = {240, top, 7800, 600}, .text = caption});
    };
    text("lbltesto", 120,
         TR("frmadattatori",
            "UN ADATTATORE D' IMPEDENZA CONSENTE DI UTILIZZARE UNA LINEA DI ALIMENTAZIONE CON IMPEDENZA "
            "CARATTERISTICA DIVERSA DA QUELLA DELL'ANTENNA NEL PUNTO DI COLLEGAMENTO."));
    text("Label2", 780,
         TR("frmadattatori",
            "UN POSSIBILE ADATTATORE E' QUELLO CON LINEA AD UN QUARTO D' ONDA,  COSTITUITO DA UN TRATTO DI "
            "LINEA DI "
            "LUNGHEZZA PARI ALLA QUARTA PARTE DELLA LUNGHEZZA D'ONDA DI TRASMISSIONE."));
    text(
        "Label3", 1440,
        TR("frmadattatori",
           "IL TRATTO AGGIUNTIVO PUO' CONSISTERE IN UNA LINEA BIFILARE O PIU' COMODAMENTE IN UNO SPEZZONE DI "
           "CAVO "
           "COASSIALE, DI IMPEDENZA CARATTERISTICA NOTA E SEMPRE DI LUNGHEZZA PARI AD UN QUARTO D' ONDA."));
    // the cable comes first in the focus order: 50 ohm is chosen on opening
    c.push_back({.kind = K::Frame,
                 .name = "Frame1",
                 .rect = {240, 2160, 3900, 1080},
                 .text = TR("frmadattatori", "Cavo coassiale")});
    for (int i = 0; const char* caption : {TR("frmadattatori", "50 Ohm di impedenza caratteristica"),
                                           TR("frmadattatori", "75 Ohm di impedenza caratteristica")})
        c.push_back({.kind = K::Option,
                     .name = indexed("Option1", static_cast<size_t>(i)),
                     .rect = {420, 2460 + 360 * i++, 3600, 300},
                     .text = caption,
                     .group = "Frame1"});
    addInputRow(c, {.label = "Label4",
                    .caption = TR("frmadattatori", "FREQUENZA DI UTILIZZO IN  MHz  : "),
                    .box = "txtF",
                    .top = 3420,
                    .labelWidth = 3600,
                    .boxLeft = 3900});
    addInputRow(c, {.label = "Label5",
                    .caption = TR("frmadattatori", "IMPEDENZA ANTENNA IN OHM : "),
                    .box = "txtimpantenna",
                    .top = 3900,
                    .labelWidth = 3600,
                    .boxLeft = 3900});
    c.push_back({.kind = K::Button,
                 .name = "cmdcalcola",
                 .rect = {6540, 3420, 1500, 420},
                 .text = TR("frmadattatori", "CALCOLA")});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {6540, 3900, 1500, 420},
                 .text = TR("frmadattatori", "E S C I")});
    for (int i = 0; const char* name : {"lblimpadattatore", "lbllunghezza"})
        c.push_back(resultLabel(name, {240, 4500 + 420 * i++, 7800, 330}, {.fore = colors::darkBlue}));
    return c;
}

}  // namespace

Frmadattatori::Frmadattatori(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmadattatori", "ADATTAMENTO D' IMPEDENZA"),
            .rect = {0, 0, 8400, 5760},
            .faultFocus = "txtimpantenna"},
           adapterControls()) {
    onClick(ctl("cmdcalcola"), &Frmadattatori::cmdcalcola_Click);
    onClick(ctl("cmdesci"), &Frmadattatori::cmdesci_Click);
}

void Frmadattatori::cmdcalcola_Click() {
    const double f = num(txtF_), za = num(txtimpantenna_);
    // only the 50 ohm option is looked at: anything else is the 75 ohm cable
    const coax_cable::Cable& cable =
        fiftyOhm_.checked() ? coax_cable::kFiftyOhm : coax_cable::kSeventyFiveOhm;
    if (!missingDataOk(cable.impedance * (za * f), txtimpantenna_)) return;
    const std::string impedance = masked(adapters::sectionImpedance(cable, za), kThreeDecimals);
    const double length = finite(toSingle(roundThrough(adapters::sectionLength(cable, f), kThreeDecimals)));
    const std::string lengthText = shortT(length);
    lblimpadattatore_.setText(
        compose(tr("frmadattatori", "IMPEDENZA DELL'ADATTATORE : OHM  %1"), {impedance}));
    lbllunghezza_.setText(compose(tr("frmadattatori", "LUNGHEZZA DELLO SPEZZONE mt. : %1"), {lengthText}));
}

}  // namespace ondalab
