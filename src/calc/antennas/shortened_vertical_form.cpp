#include "calc/antennas/shortened_vertical_form.h"

#include "calc/antennas/shortened_vertical.h"
#include "calc/lc/coil_opener.h"
#include "common/fault.h"
#include "common/layout.h"
#include "common/schematic.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

// The drawing spans the client area (the outer size is a safe bound).
constexpr int kSketchWidth = 9900;
constexpr int kSketchHeight = 5800;

constexpr const char* kInputTip = TR("frmvertaccorciata", "separare i decimali con il punto");
constexpr Mask kOneDecimal = "##0.#";

// The loading coil upright on the radiator: a stack of turns, 300 x 600.
Picture coilPicture() {
    return schematic::Drawing().pen(colors::darkBlue).turns(6, {20, 20}, {280, 130}, {0, 90}).picture();
}

std::vector<ControlSpec> verticalControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    schematic::Drawing sketch;  // the wires of the drawing, in client twips
    c.push_back({.kind = K::Label,
                 .name = "Label7",
                 .rect = {240, 150, 5400, 300},
                 .text = TR("frmvertaccorciata", "CALCOLO INDUTTANZA DELLA BOBINA IN ARIA"),
                 .font = {.bold = true}});
    addInputRow(c, {.label = "Label1",
                    .caption = TR("frmvertaccorciata", "LUNGHEZZA TOTALE RADIATORE in mt."),
                    .box = "txtlunghezza",
                    .top = 600,
                    .tooltip = kInputTip});
    addInputRow(c, {.label = "Label2",
                    .caption = TR("frmvertaccorciata", "DISTANZA BOBINA DALLA BASE in mt."),
                    .box = "txtdistanza",
                    .top = 1080,
                    .tooltip = kInputTip});
    addInputRow(c, {.label = "Label3",
                    .caption = TR("frmvertaccorciata", "DIAMETRO DEL RADIATORE in mm"),
                    .box = "txtdiametro",
                    .top = 1560,
                    .tooltip = kInputTip});
    addInputRow(c, {.label = "Label4",
                    .caption = TR("frmvertaccorciata", "FREQUENZA  in MHz"),
                    .box = "txtfrequenza",
                    .top = 2040,
                    .tooltip = kInputTip});
    c.push_back({.kind = K::Button,
                 .name = "cmdcalcola",
                 .rect = {240, 2640, 1500, 420},
                 .text = TR("frmvertaccorciata", "CALCOLA")});
    c.push_back({.kind = K::Button,
                 .name = "cmdchiamabobine",
                 .rect = {1860, 2640, 2100, 420},
                 .text = TR("frmvertaccorciata", "Costruzione bobine")});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {4080, 2640, 1200, 420},
                 .text = TR("frmvertaccorciata", "E S C I")});
    const char* results[] = {"lblinduttanza", "lblgradi", "lblRR"};
    for (int i = 0; i < 3; ++i)
        c.push_back(resultLabel(results[i], {240, 3300 + i * 420, 5000, 330}, {.fore = colors::darkBlue}));

    // sketch: the radiator on its base with the coil part-way up
    constexpr int x = 7500;
    constexpr int ground = 5000;
    constexpr int coilTop = 3300;
    constexpr int top = 600;
    sketch.pen(colors::black, 1).wire({x, ground}, {x, coilTop + 600});
    c.push_back(
        {.kind = K::Image, .name = "Image1", .rect = {x - 150, coilTop, 300, 600}, .picture = coilPicture()});
    sketch.wire({x, coilTop}, {x, top});
    sketch.wire({6000, ground}, {8700, ground});  // the ground
    for (int i = 0; i < 6; ++i) sketch.wire({6120 + i * 450, ground}, {6000 + i * 450, ground + 180});
    c.push_back({.kind = K::Label,
                 .name = "lblind",
                 .rect = {x + 240, coilTop + 150, 1100, 300},
                 .fore = colors::darkBlue});
    // coil height above the base
    sketch.pen(colors::blue, 1).wire({7000, coilTop + 300}, {7000, ground});
    sketch.wire({6900, coilTop + 300}, {7100, coilTop + 300});
    c.push_back({.kind = K::Label,
                 .name = "lbldist",
                 .rect = {5640, 4200, 1320, 280},
                 .text = TR("frmvertaccorciata", "dist."),
                 .align = Align::Right});
    // total length
    sketch.wire({8300, top}, {8300, ground});
    sketch.wire({8200, top}, {8400, top});
    c.push_back({.kind = K::Label,
                 .name = "lbllung",
                 .rect = {8340, 1800, 1440, 280},
                 .text = TR("frmvertaccorciata", "lung.")});
    c.push_back(schematic::imageControl("Sketch", {0, 0, kSketchWidth, kSketchHeight}, sketch.picture()));
    return c;
}

}  // namespace

Frmvertaccorciata::Frmvertaccorciata(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmvertaccorciata", "ANTENNA VERTICALE ACCORCIATA"),
            .rect = {0, 0, 9900, 5800},
            .faultFocus = "txtlunghezza"},
           verticalControls()) {
    onClick(cmdcalcola_, &Frmvertaccorciata::cmdcalcola_Click);
    onClick(cmdchiamabobine_, &Frmvertaccorciata::cmdchiamabobine_Click);
    onClick(cmdesci_, &Frmvertaccorciata::cmdesci_Click);
}

void Frmvertaccorciata::cmdcalcola_Click() {
    using namespace shortened_vertical;
    const double l = num(txtlunghezza_);
    const double h = finite(toSingle(num(txtdistanza_)));  // the coil height is held in single precision
    const double d = num(txtdiametro_);
    const double f = num(txtfrequenza_);
    if (!missingDataOk(h * 2 * l * d * f, txtlunghezza_, Negative::Refused)) return;
    if (2 * l >= checkedDiv(kHalfWave, f)) {  // the radiator with its image against half a wave
        warnAndFocus(txtlunghezza_, TR("frmvertaccorciata", "RADIATORE PIU' LUNGO DI 1/2 LAMBDA"),
                     kNoticeTitle);
        return;
    }
    if (h >= l) {
        warnAndFocus(txtdistanza_, TR("frmvertaccorciata", "DISTANZA ECCESSIVA"), kNoticeTitle);
        return;
    }
    const std::string coil = masked(inductance(l, h, d, f), "#,##0.##");
    // one decimal through the mask, read back in single precision
    const double g = finite(toSingle(roundThrough(degrees(l, f), kOneDecimal)));
    const std::string r = masked(radiation(g), kOneDecimal);
    const std::string gText = shortT(g);
    const std::string hText = shortT(h);
    const std::string lText = general(l);
    lblinduttanza_.setText(compose(tr("frmvertaccorciata", "INDUTTANZA in micro HENRY : %1"), {coil}));
    lblind_.setText(coil);
    lblgradi_.setText(compose(tr("frmvertaccorciata", "LUNGHEZZA ANTENNA IN GRADI  :  %1"), {gText}));
    lblRR_.setText(compose(tr("frmvertaccorciata", "RESISTENZA DI RADIAZIONE = %1"), {r}));
    lbldist_.setText(hText);
    lbllung_.setText(lText);
}

// The coil form goes to 4100,2800 and this form steps aside to 180,180.
void Frmvertaccorciata::cmdchiamabobine_Click() {
    openCoilForm(*this, CoilCall{.coilTop = kCoilFormTop, .callerMovesAside = true});
}

}  // namespace ondalab
