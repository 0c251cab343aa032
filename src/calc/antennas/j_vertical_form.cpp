#include "calc/antennas/j_vertical_form.h"

#include <string>

#include "calc/antennas/j_vertical.h"
#include "common/catalogue.h"
#include "common/layout.h"
#include "common/schematic.h"

namespace ondalab {

namespace {

const char* diameterText(j_vertical::Band band) {
    switch (band) {
        case j_vertical::Band::Uhf:
            return TR("frmantennaJ", "IL DIAMETRO DEGLI ELEMENTI PUO' ESSERE 10 mm.");
        case j_vertical::Band::Vhf:
            return TR("frmantennaJ", "IL DIAMETRO DEGLI ELEMENTI PUO' ESSERE 10/15 mm.");
        case j_vertical::Band::Low:
            break;
    }
    return TR("frmantennaJ", "IL DIAMETRO DEGLI ELEMENTI PUO' ESSERE 20 mm.");
}

constexpr Rect kSketch = {240, 960, 3600, 3300};
constexpr int kRadiator = 900;  // x of the radiator in the sketch
constexpr int kLine = 1500;     // x of the matching line
constexpr int kBottom = 3000;
constexpr int kLineTop = 2000;
constexpr int kTap = 2600;

// The long radiator beside the short line, joined at the bottom; the coax
// tapped onto both a little above the join.
Picture sketch() {
    schematic::Drawing d;
    d.pen(colors::black, 3);
    d.wire({kRadiator, 200}, {kRadiator, kBottom}).wire({kLine, kLineTop}, {kLine, kBottom});
    d.wire({kRadiator, kBottom}, {kLine, kBottom});
    d.pen(colors::grey, 2);
    d.node({kRadiator, kTap}).node({kLine, kTap});
    d.polyline({{kRadiator, kTap}, {kRadiator + 200, kTap + 150}, {kRadiator + 200, 3250}});
    d.polyline({{kLine, kTap}, {kRadiator + 300, kTap + 150}, {kRadiator + 300, 3250}});
    d.pen(colors::black, 1);
    d.dimension({kLine + 350, kLineTop}, {kLine + 350, kBottom});
    d.dimension({kLine + 350, kTap}, {kLine + 350, kBottom});
    d.dimension({kRadiator - 350, 200}, {kRadiator - 350, kBottom});
    return d.picture();
}

std::vector<ControlSpec> jControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    addInputRow(c, {.label = "lblfrequenza",
                    .caption = TR("frmantennaJ", "INSERISCI LA FREQUENZA IN MHz."),
                    .box = "txtfrequenza",
                    .top = 300,
                    .labelWidth = 2880,
                    .boxLeft = 3240,
                    .tooltip = TR("frmantennaJ", "separare i decimali con il punto")});
    c.push_back(schematic::imageControl("Image1", kSketch, sketch()));
    const SketchCaptions onSketch{.controls = c, .sketch = kSketch, .fore = colors::darkBlue};
    onSketch("lblaltezza", TR("frmantennaJ", "radiatore"), 0, 1200, 780);
    onSketch("lbllinea", TR("frmantennaJ", "linea"), 1980, 2250, 1100);
    onSketch("lbldist", "", 1980, 2700, 1100);
    onSketch("Label2", TR("frmantennaJ", "coax 50 ohm"), 1250, 3000, 1500);
    c.push_back(
        {.kind = K::Label, .name = "lbldiametro", .rect = {240, 4380, 5400, 300}, .fore = colors::darkBlue});
    c.push_back(
        {.kind = K::Label,
         .name = "Label1",
         .rect = {4080, 1200, 1800, 1800},
         .text = TR(
             "frmantennaJ",
             "PER IL MINIMO ROS SPOSTARE IL PUNTO DI ALIMENTAZIONE E AGIRE SULLA LUNGHEZZA DEGLI ELEMENTI"),
         .fore = colors::red});
    c.push_back({.kind = K::Button,
                 .name = "cmdcalcola",
                 .rect = {4080, 3240, 1800, 420},
                 .text = TR("frmantennaJ", "CALCOLA")});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {4080, 3780, 1800, 420},
                 .text = TR("frmantennaJ", "E S C I")});
    return c;
}

}  // namespace

FrmantennaJ::FrmantennaJ(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmantennaJ", "ANTENNA VERTICALE J"),
            .rect = {0, 0, 6240, 5220},
            .faultFocus = "txtfrequenza"},
           jControls()) {
    onClick(ctl("cmdcalcola"), &FrmantennaJ::cmdcalcola_Click);
    onClick(ctl("cmdesci"), &FrmantennaJ::cmdesci_Click);
}

void FrmantennaJ::cmdcalcola_Click() {
    const double f = num(txtfrequenza_);
    if (f <= 0) {
        warnAndFocus(txtfrequenza_, TR("frmantennaJ", "MANCA DATO"));
        return;
    }
    const auto r = j_vertical::solve(f);
    const std::string feed = shortT(r.feed);
    lbldiametro_.setText(tr(kName, diameterText(r.band)));
    lblaltezza_.setText(std::to_string(r.radiator) + tr("frmantennaJ", " cm."));
    lbllinea_.setText(std::to_string(r.line) + tr("frmantennaJ", "cm. "));
    lbldist_.setText(feed + tr("frmantennaJ", " cm."));
}

}  // namespace ondalab
