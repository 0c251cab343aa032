#include "calc/lines/gamma_match_form.h"

#include <string>

#include "calc/lines/gamma_match.h"
#include "common/catalogue.h"
#include "common/layout.h"
#include "common/schematic.h"

namespace ondalab {

namespace {

constexpr Mask kOneDecimal = "##0.#";

// The sketch and where its parts stand, in twips from its corner.
constexpr Rect kSketch = {240, 960, 8400, 2760};
constexpr int kRadiatorY = 600;
constexpr int kRodY = 1140;
constexpr int kCentreX = 1800;  // the radiator's centre, where the braid joins it
constexpr int kRodStartX = 2400;
constexpr int kBarX = 6600;  // the adjustable shorting bar
constexpr int kCoaxTop = 2160;

// The centre of the radiator with the gamma rod beside it, held by an
// insulator at the feed end and joined to the radiator by the adjustable
// bar; the series capacitor leads down to the coaxial feed.
Picture gammaSketch() {
    schematic::Drawing d;
    d.pen(colors::black, 4).wire({240, kRadiatorY}, {8160, kRadiatorY});
    d.pen(colors::black, 3).wire({kRodStartX, kRodY}, {kBarX, kRodY});
    d.pen(colors::black, 2)
        .wire({kBarX, kRadiatorY}, {kBarX, kRodY})
        .node({kBarX, kRadiatorY})
        .node({kBarX, kRodY})
        .node({kCentreX, kRadiatorY})
        .rect({kRodStartX - 240, kRodY - 90}, {kRodStartX, kRodY + 90}, true, colors::grey)  // the insulator
        .wire({kRodStartX - 120, kRodY + 90}, {kRodStartX - 120, 1440})
        .capacitor({kRodStartX - 120, 1440}, {kRodStartX - 120, 1920}, "")
        .wire({kRodStartX - 120, 1920}, {kRodStartX - 120, kCoaxTop})
        .wire({kCentreX, kRadiatorY}, {kCentreX, kCoaxTop})
        .rect({kCentreX - 150, kCoaxTop}, {kRodStartX + 30, 2640});  // the coaxial cable, going down
    return d.picture();
}

std::vector<ControlSpec> gammaControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    addInputRow(c, {.label = "Label6",
                    .caption = TR("frmgammamatch", "FREQUENZA in MHz"),
                    .box = "txtfrequenza",
                    .top = 300,
                    .labelWidth = 1800,
                    .boxLeft = 2100});
    c.push_back({.kind = K::Button,
                 .name = "cmdcalcola",
                 .rect = {3600, 270, 1500, 420},
                 .text = TR("frmgammamatch", "CALCOLA")});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {7140, 270, 1500, 420},
                 .text = TR("frmgammamatch", "E S C I")});
    c.push_back(schematic::imageControl("Image1", kSketch, gammaSketch()));
    // captions on the sketch
    const SketchCaptions onSketch{.controls = c, .sketch = kSketch, .height = 270, .fore = colors::darkBlue};
    onSketch("Label1", TR("frmgammamatch", "centro radiatore"), kCentreX - 900, kRadiatorY - 420, 1800);
    onSketch("lbllunghezza", TR("frmgammamatch", "STUB"), 3600, kRodY + 120, 1800);
    onSketch("lbldistanza", "", kBarX - 2100, kRadiatorY + 150, 2000);
    onSketch("Label5", TR("frmgammamatch", "ponticello regolabile"), kBarX + 150, kRadiatorY + 150, 1800);
    onSketch("Label4", TR("frmgammamatch", "isolatore"), kRodStartX + 120, kRodY + 120, 1000);
    onSketch("lblc", "", kRodStartX + 60, 1560, 1200);
    onSketch("Label2", TR("frmgammamatch", "discesa coax"), kRodStartX + 180, 2340, 1500);
    for (int i = 0; const char* name : {"lbllambda", "lblpf", "lblcavo", "lbldiametri"})
        c.push_back(resultLabel(name, {240, 3900 + 420 * i++, 8400, 330}, {.fore = colors::darkBlue}));
    return c;
}

}  // namespace

Frmgammamatch::Frmgammamatch(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmgammamatch", "ADATTATORE A GAMMA MATCH"),
            .rect = {0, 0, 9000, 6060},
            .faultFocus = "txtfrequenza"},
           gammaControls()) {
    onClick(ctl("cmdcalcola"), &Frmgammamatch::cmdcalcola_Click);
    onClick(ctl("cmdesci"), &Frmgammamatch::cmdesci_Click);
}

void Frmgammamatch::cmdcalcola_Click() {
    const double f = num(txtfrequenza_);
    if (f <= 0) {
        warnAndFocus(txtfrequenza_, TR("frmgammamatch", "MANCA INPUT"));
        return;
    }
    // every value first: the cable length can leave the 16-bit range where
    // the capacitance does not
    const gamma_match::Result r = gamma_match::solve(f);
    const std::string stub = masked(r.stub, kOneDecimal);
    const std::string spacing = masked(r.spacing, kOneDecimal);
    const std::string lambda = masked(r.wavelength, kOneDecimal);
    const std::string pf = shortT(r.capacitance);
    lbllunghezza_.setText(compose(tr("frmgammamatch", "cm. %1"), {stub}));
    lbldistanza_.setText(compose(tr("frmgammamatch", "spaziatura cm %1"), {spacing}));
    lbllambda_.setText(compose(tr("frmgammamatch", "VALORE DI LAMBDA = mt. %1"), {lambda}));
    lblpf_.setText(compose(tr("frmgammamatch", "CONDENSATORE = pF  %1"), {pf}));
    lblcavo_.setText(
        compose(tr("frmgammamatch", "USANDO L'RG 8/213 COME CONDENSATORE LA LUNGHEZZA E' cm. %1"),
                {std::to_string(r.cableCm)}));
    lbldiametri_.setText(
        tr("frmgammamatch", "IL DIAMETRO DEL RADIATORE E' 2 - 4 VOLTE IL DIAMETRO DELLO STUB"));
    lblc_.setText(pf + tr("frmgammamatch", " pF"));
}

}  // namespace ondalab
