#include "calc/lines/electrical_length_form.h"

#include "calc/lines/coax_cable.h"
#include "calc/lines/electrical_length.h"
#include "common/catalogue.h"
#include "common/fault.h"
#include "common/layout.h"
#include "common/schematic.h"

namespace ondalab {

namespace {

constexpr Mask kMetres = "#,##0.###";
// This form's own spelling of the error title.
constexpr const char* kTitle = TR("frmlungelettrica", "MESSAGGGIO DI ERRORE");

std::vector<ControlSpec> lengthControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    // the cable comes first in the focus order: "50 Ohm" is chosen on opening
    c.push_back({.kind = K::Frame,
                 .name = "Frame1",
                 .rect = {240, 120, 2400, 1080},
                 .text = TR("frmlungelettrica", "Tipo di cavo coax")});
    for (int i = 0;
         const char* caption : {TR("frmlungelettrica", "50 Ohm"), TR("frmlungelettrica", "75 Ohm")})
        c.push_back({.kind = K::Option,
                     .name = indexed("Option1", static_cast<size_t>(i)),
                     .rect = {420, 420 + 360 * i++, 2000, 300},
                     .text = caption,
                     .group = "Frame1"});
    addInputRow(c, {.label = "lblinputfrequenza",
                    .caption = TR("frmlungelettrica", "Misura effettuata a MHz :"),
                    .box = "txtinput",
                    .top = 240,
                    .labelLeft = 2880,
                    .labelWidth = 2400,
                    .boxLeft = 5340,
                    .boxWidth = 1500});
    c.push_back({.kind = K::Button,
                 .name = "cmdcalcola",
                 .rect = {2880, 780, 1500, 420},
                 .text = TR("frmlungelettrica", "CALCOLA")});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {5340, 780, 1500, 420},
                 .text = TR("frmlungelettrica", "E S C I")});
    const auto result = [&c](const char* name, Rect r) {
        c.push_back(resultLabel(name, r, {.fore = colors::darkBlue}));
    };
    result("lbllungmetri", {240, 1440, 6600, 330});
    result("lbllungelettrici", {240, 1860, 6600, 330});
    // a rule between the two wavelengths and the half-wave lengths
    c.push_back(schematic::imageControl(
        "Image1", {240, 2340, 6600, 60},
        schematic::Drawing().pen(colors::grey, 1).wire({0, 30}, {6600, 30}).picture()));
    c.push_back(
        {.kind = K::Label,
         .name = "Label1",
         .rect = {240, 2520, 6600, 1200},
         .text =
             TR("frmlungelettrica",
                "Per effettuare misurazioni attendibili di onde stazionarie occorre che lo strumento sia "
                "collegato all'estremità di un cavo che sia pari a mezz'onda  elettrica (o multipli) .Si "
                "indicano alcune lunghezze in corrispondenza delle quali si presentano condizioni simili a "
                "quelle esistenti nel punto di alimentazione dell'antenna."),
         .tooltip = TR("frmlungelettrica", "alcuni multipli di mezze onde")});
    result("lbltrattidilinea", {240, 3840, 2040, 330});
    result("lbltrattidilinea1", {2520, 3840, 2040, 330});
    result("lbltrattidilinea2", {4800, 3840, 2040, 330});
    return c;
}

}  // namespace

Frmlungelettrica::Frmlungelettrica(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmlungelettrica", "Lunghezza elettrica cavi coassiali"),
            .rect = {0, 0, 7200, 4920},
            .faultFocus = "txtinput"},
           lengthControls()) {
    onClick(ctl("cmdcalcola"), &Frmlungelettrica::cmdcalcola_Click);
    onClick(ctl("cmdesci"), &Frmlungelettrica::cmdesci_Click);
}

void Frmlungelettrica::cmdcalcola_Click() {
    using namespace electrical_length;
    const double f = num(txtinput_);
    if (f == 0) {  // a negative frequency goes on, to negative lengths
        warnAndFocus(txtinput_, TR("frmlungelettrica", "INSERISCI DATO"), kTitle);
        return;
    }
    const double velocity =
        (fiftyOhm_.checked() ? coax_cable::kFiftyOhm : coax_cable::kSeventyFiveOhm).velocity;
    const std::string air = masked(wavelength(f), kMetres);
    const double lambda = readRegional(air, fmt());  // the wavelength as shown
    const double cable = finite(toSingle(roundThrough(cableWavelength(velocity, lambda), kMetres)));
    const std::string cableText = shortT(cable);
    const std::string half = shortT(halfWave(cable));
    const std::string threeHalves = shortT(threeHalfWaves(cable));
    lbllungmetri_.setText(compose(tr("frmlungelettrica", "corrispondenti a mt. : %1"), {air}));
    lbllungelettrici_.setText(compose(tr("frmlungelettrica", "pari a onda elettrica  : %1"), {cableText}));
    lbltrattidilinea_.setText(half);
    lbltrattidilinea1_.setText(cableText);
    lbltrattidilinea2_.setText(threeHalves);
}

}  // namespace ondalab
