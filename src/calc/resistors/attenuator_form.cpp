#include "calc/resistors/attenuator_form.h"

#include "calc/resistors/attenuator.h"
#include "common/catalogue.h"
#include "common/layout.h"
#include "common/schematic.h"

namespace ondalab {

namespace {

constexpr const char* kLowerCaseTitle = TR("frmattenuatorires", "messaggio di errore");
constexpr Rect kTImage = {240, 3000, 4300, 2300};
constexpr Rect kPiImage = {4900, 3000, 4300, 2300};

// The four terminals and the common line of either network.
void terminals(schematic::Drawing& d) {
    d.wire({100, 2000}, {4200, 2000});
    for (const Point p : {Point{100, 600}, Point{4200, 600}, Point{100, 2000}, Point{4200, 2000}})
        d.ellipse({p.x - 60, p.y - 60}, {p.x + 60, p.y + 60});
}

// Two series resistors and a shunt to the common line between them.
Picture tSketch() {
    schematic::Drawing d;
    terminals(d);
    d.resistor({160, 600}, {2150, 600}, "").resistor({2150, 600}, {4140, 600}, "");
    d.resistor({2150, 600}, {2150, 2000}, "").node({2150, 600}).node({2150, 2000});
    return d.picture();
}

// A series resistor between two shunts.
Picture piSketch() {
    schematic::Drawing d;
    terminals(d);
    d.wire({160, 600}, {1000, 600}).resistor({1000, 600}, {3300, 600}, "").wire({3300, 600}, {4140, 600});
    d.resistor({1000, 600}, {1000, 2000}, "").resistor({3300, 600}, {3300, 2000}, "");
    d.node({1000, 600}).node({3300, 600}).node({1000, 2000}).node({3300, 2000});
    return d.picture();
}

std::vector<ControlSpec> attenuatorControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    const auto input = [&](const char* label, const char* caption, const char* box, int top,
                           const char* text) {
        addInputRow(c, {.label = label,
                        .caption = caption,
                        .box = box,
                        .top = top,
                        .labelWidth = 3600,
                        .boxLeft = 3900,
                        .tooltip = TR("frmattenuatorires", "inserire i dati"),
                        .text = text});
    };
    input("lblZI", TR("frmattenuatorires", "IMPEDENZA D' INGRESSO in OHM"), "txtZI", 200, "50");
    input("lblZo", TR("frmattenuatorires", "IMPEDENZA D' USCITA in OHM"), "txtZO", 680, "50");
    input("lblLD", TR("frmattenuatorires", "ATTENUAZIONE DESIDERATA in DB"), "txtLD", 1160, "");
    c.push_back({.kind = K::Button,
                 .name = "cmdcalcola",
                 .rect = {5700, 200, 1900, 450},
                 .text = TR("frmattenuatorires", "CALCOLA")});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {5700, 800, 1900, 450},
                 .text = TR("frmattenuatorires", "E S C I")});
    c.push_back(
        {.kind = K::Label,
         .name = "Label3",
         .rect = {240, 1700, 9000, 500},
         .text =
             TR("frmattenuatorires",
                "L'IMPEDENZA D' INGRESSO DEVE ESSERE MAGGIORE O UGUALE ALL'IMPEDENZA D' USCITA  QUANDO E' "
                "UGUALE NON SI HANNO PERDITE D' INSERZIONE"),
         .fore = colors::darkBlue});
    c.push_back(
        {.kind = K::Label, .name = "lblperdita", .rect = {240, 2300, 6000, 300}, .font = {.bold = true}});
    c.push_back({.kind = K::Label,
                 .name = "Label1",
                 .rect = {kTImage.left, 2700, 4300, 280},
                 .text = TR("frmattenuatorires", "RETE a T"),
                 .font = {.bold = true},
                 .align = Align::Center});
    c.push_back({.kind = K::Label,
                 .name = "Label2",
                 .rect = {kPiImage.left, 2700, 4300, 280},
                 .text = TR("frmattenuatorires", "RETE a P GRECO"),
                 .font = {.bold = true},
                 .align = Align::Center});
    c.push_back(schematic::imageControl("Image1", kTImage, tSketch()));
    c.push_back(schematic::imageControl("Image2", kPiImage, piSketch()));
    const auto value = [&](const char* name, const char* text, Rect image, int x, int y) {
        c.push_back({.kind = K::Label,
                     .name = name,
                     .rect = {image.left + x, image.top + y, 1000, 260},
                     .text = text,
                     .font = {.bold = true},
                     .align = Align::Center});
    };
    value("lblR1T", TR("frmattenuatorires", "R1"), kTImage, 650, 250);
    value("lblR2T", TR("frmattenuatorires", "R2"), kTImage, 2650, 250);
    value("lblR3T", TR("frmattenuatorires", "R3"), kTImage, 2300, 1180);
    value("lblR1P", TR("frmattenuatorires", "R1  "), kPiImage, -60, 1180);
    value("lblR2P", TR("frmattenuatorires", "R2  "), kPiImage, 3380, 1180);
    value("lblR3P", TR("frmattenuatorires", "R3"), kPiImage, 1650, 250);
    return c;
}

}  // namespace

Frmattenuatorires::Frmattenuatorires(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmattenuatorires", "ATTENUATORI RESISTIVI"),
            .rect = {0, 0, 9600, 5760},
            .faultFocus = "txtZI"},
           attenuatorControls()) {
    onClick(ctl("cmdcalcola"), &Frmattenuatorires::cmdcalcola_Click);
    onClick(ctl("cmdesci"), &Frmattenuatorires::cmdesci_Click);
}

void Frmattenuatorires::cmdcalcola_Click() {
    const double zi = num(txtZI_), zo = num(txtZO_), a = num(txtLD_);
    if (!missingDataOk(zi * zo * a, txtZI_, Negative::Refused)) return;
    if (zi < zo)
        return warnAndFocus(txtZI_, TR("frmattenuatorires", "IMPEDENZA IN < IMPEDENZA OUT"), kLowerCaseTitle);
    const double lmin = attenuator::minimumLoss(zi, zo);
    if (a < lmin) return warnAndFocus(txtLD_, TR("frmattenuatorires", "DATI NON CONGRUI"), kLowerCaseTitle);
    const attenuator::Networks n = attenuator::design(zi, zo, a);
    const std::string t1 = general(n.r1T), t2 = general(n.r2T), t3 = general(n.r3T);
    const std::string p1 = general(n.r1P), p2 = general(n.r2P), p3 = shortT(n.r3P);
    const std::string loss =
        compose(tr("frmattenuatorires", "PERDITA D'INSERZIONE %1 dB"), {general(attenuator::toCents(lmin))});
    lblR1T_.setText(t1);
    lblR2T_.setText(t2);
    lblR3T_.setText(t3);
    lblR1P_.setText(p1);
    lblR2P_.setText(p2);
    lblR3P_.setText(p3);
    lblperdita_.setText(loss);
}

}  // namespace ondalab
