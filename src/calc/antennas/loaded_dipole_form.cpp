#include "calc/antennas/loaded_dipole_form.h"

#include "calc/antennas/loaded_dipole.h"
#include "calc/antennas/shortened_vertical.h"
#include "calc/lc/coil_opener.h"
#include "common/fault.h"
#include "common/layout.h"
#include "common/schematic.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

// The drawing spans the client area (the outer size is a safe bound).
constexpr int kSketchWidth = 12000;
constexpr int kSketchHeight = 9000;

constexpr int kFormHeight = 6500;
constexpr const char* kTrapCaption = TR("frmtrappolata", "trappola di blocco");

// A loading coil lying along the wire: a row of turns in a 600 x 300 box.
Picture coilPicture() {
    return schematic::Drawing().pen(colors::darkBlue).turns(5, {20, 20}, {140, 280}, {110, 0}).picture();
}

std::vector<ControlSpec> loadedDipoleControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    schematic::Drawing sketch;  // the wires of the drawing, in client twips
    addInputRow(c, {.label = "Label1",
                    .caption = TR("frmtrappolata", "FREQUENZA in MHz"),
                    .box = "txtfrequenza",
                    .top = 300,
                    .labelWidth = 4320,
                    .boxLeft = 4620,
                    .labelTooltip = TR("frmtrappolata", "frequenza centro banda")});
    addInputRow(c, {.label = "Label2",
                    .caption = TR("frmtrappolata", "DIAMETRO DEL CONDUTTORE in mm. (d)"),
                    .box = "txtdiametro",
                    .top = 780,
                    .labelWidth = 4320,
                    .boxLeft = 4620,
                    .labelTooltip = TR("frmtrappolata", "diametro del filo del dipolo")});
    addInputRow(c, {.label = "Label3",
                    .caption = TR("frmtrappolata", "DISTANZA DELLA BOBINA DAL CENTRO in mt. (A)"),
                    .box = "txtdistanza",
                    .top = 1260,
                    .labelWidth = 4320,
                    .boxLeft = 4620,
                    .labelTooltip = TR("frmtrappolata", "distanza centro antenna/centrobobina")});
    addInputRow(c, {.label = "Label4",
                    .caption = TR("frmtrappolata", "LUNGHEZZA TOTALE A DISPOSIZIONE in mt. (B)"),
                    .box = "txtlunghezza",
                    .top = 1740,
                    .labelWidth = 4320,
                    .boxLeft = 4620,
                    .labelTooltip = TR("frmtrappolata", "tratto B, lunghezza totale dipolo")});
    c.push_back({.kind = K::Label,
                 .name = "lblpuntodecimale",
                 .rect = {240, 2220, 5600, 300},
                 .text = TR("frmtrappolata", "separare i decimali con il punto del tastierino numerico"),
                 .fore = colors::darkBlue,
                 .font = {.italic = true}});
    c.push_back({.kind = K::Button,
                 .name = "cmdcalcola",
                 .rect = {6600, 300, 2400, 420},
                 .text = TR("frmtrappolata", "CALCOLA"),
                 .tooltip = TR("frmtrappolata", "ricava il valore dell'induttanza")});
    c.push_back({.kind = K::Button,
                 .name = "cmdchiamabobine",
                 .rect = {6600, 840, 2400, 420},
                 .text = TR("frmtrappolata", "COSTRUZIONE BOBINE"),
                 .tooltip = TR("frmtrappolata", "rimanda al calcolo delle bobine")});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {6600, 1380, 2400, 420},
                 .text = TR("frmtrappolata", "E S C I"),
                 .tooltip = TR("frmtrappolata", "esce dall'applicazione")});
    c.push_back(resultLabel("lblinduttanza", {240, 2700, 7200, 360},
                            {.fore = colors::darkBlue, .font = {.bold = true}, .visible = false}));

    // sketch: the dipole fed at the centre, a coil in each arm
    constexpr int y = 4500;
    constexpr int left = 600;
    constexpr int right = 10200;
    constexpr int centre = 5400;
    constexpr int coilL = 2800;  // left edge of the left coil
    constexpr int coilR = 7400;  // left edge of the right coil
    sketch.pen(colors::black, 1).wire({left, y}, {coilL, y});
    c.push_back(
        {.kind = K::Image, .name = "Image1", .rect = {coilL, y - 150, 600, 300}, .picture = coilPicture()});
    sketch.wire({coilL + 600, y}, {centre - 150, y});
    sketch.rect({centre - 150, y - 100}, {centre - 150 + 300, y - 100 + 200}, true, colors::grey);
    sketch.wire({centre + 150, y}, {coilR, y});
    c.push_back(
        {.kind = K::Image, .name = "Image2", .rect = {coilR, y - 150, 600, 300}, .picture = coilPicture()});
    sketch.wire({coilR + 600, y}, {right, y});
    c.push_back({.kind = K::Label,
                 .name = "Label6",
                 .rect = {coilL - 600, y + 240, 1800, 280},
                 .text = kTrapCaption,
                 .align = Align::Center});
    c.push_back({.kind = K::Label,
                 .name = "Label7",
                 .rect = {coilR - 600, y + 240, 1800, 280},
                 .text = kTrapCaption,
                 .align = Align::Center});
    // the coax feed
    sketch.wire({centre - 60, y + 100}, {centre - 60, 5700});
    sketch.wire({centre + 60, y + 100}, {centre + 60, 5700});
    c.push_back({.kind = K::Label,
                 .name = "Label8",
                 .rect = {centre + 240, 5350, 1400, 280},
                 .text = TR("frmtrappolata", "discesa coax"),
                 .tooltip = TR("frmtrappolata", "discesa cavo coax ")});
    // dimension lines: A from the centre to the coil, B over the whole dipole
    sketch.pen(colors::blue, 1).wire({centre, 4080}, {coilR + 300, 4080});
    sketch.wire({centre, 3960}, {centre, 4200});
    sketch.wire({coilR + 300, 3960}, {coilR + 300, 4200});
    c.push_back({.kind = K::Label,
                 .name = "Label9",
                 .rect = {6300, 3780, 500, 280},
                 .text = TR("frmtrappolata", "  A"),
                 .tooltip = TR("frmtrappolata", "lungh.del tratto corispondente alla fr. più alta")});
    sketch.wire({left, 3600}, {right, 3600});
    sketch.wire({left, 3480}, {left, 3720});
    sketch.wire({right, 3480}, {right, 3720});
    c.push_back({.kind = K::Label,
                 .name = "Label10",
                 .rect = {centre - 250, 3300, 500, 280},
                 .text = TR("frmtrappolata", "  B"),
                 .tooltip = TR("frmtrappolata", "lunghezza totale del dipolo")});
    c.push_back({.kind = K::Label,
                 .name = "Label11",
                 .rect = {9000, y + 120, 600, 280},
                 .text = TR("frmtrappolata", "= d")});
    c.push_back(schematic::imageControl("Sketch", {0, 0, kSketchWidth, kSketchHeight}, sketch.picture()));
    return c;
}

}  // namespace

Frmtrappolata::Frmtrappolata(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmtrappolata",
                          "ANTENNE ACCORCIATE - VALORE DELL' INDUTTANZA IN RAPPORTO ALLE DIMENSIONI"),
            .rect = {0, 0, 11000, kFormHeight},
            .faultFocus = "txtlunghezza"},
           loadedDipoleControls()) {
    onClick(cmdcalcola_, &Frmtrappolata::cmdcalcola_Click);
    onClick(cmdchiamabobine_, &Frmtrappolata::cmdchiamabobine_Click);
    onClick(cmdesci_, &Frmtrappolata::cmdesci_Click);
}

void Frmtrappolata::Form_Load() {
    resize(workbench().services().screen.widthTwips() * 11 / 12, kFormHeight);
    centre();
    lblinduttanza_.setVisible(false);
}

void Frmtrappolata::cmdcalcola_Click() {
    const double a = num(txtdistanza_);
    const double b = num(txtlunghezza_);
    const double d = num(txtdiametro_);
    const double f = num(txtfrequenza_);
    if (!missingDataOk(a * b * d * f, txtlunghezza_, Negative::Refused)) return;
    if (b >= checkedDiv(shortened_vertical::kHalfWave, f)) {
        warnAndFocus(txtlunghezza_, TR("frmtrappolata", "RADIATORE PIU' LUNGO DI 1/2 LAMBDA"), kNoticeTitle);
        return;
    }
    if (a >= b / 2) {
        warnAndFocus(txtdistanza_, TR("frmtrappolata", "DISTANZA ECCESSIVA"), kNoticeTitle);
        return;
    }
    // two decimals through the mask, read back in single precision
    const double l = finite(toSingle(roundThrough(loaded_dipole::inductance(a, b, d, f), "#,##0.##")));
    lblinduttanza_.setText(
        compose(tr("frmtrappolata", "L'INDUTTANZA DELLA BOBINA E' micro HENRY : %1"), {shortT(l)}));
    lblinduttanza_.setVisible(true);
}

// The coil form sits at 4100,2800; this form stays where it is.
void Frmtrappolata::cmdchiamabobine_Click() {
    openCoilForm(*this, CoilCall{.coilTop = kCoilFormTop, .callerMovesAside = false});
}

}  // namespace ondalab
