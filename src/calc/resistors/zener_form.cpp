#include "calc/resistors/zener_form.h"

#include <array>

#include "calc/resistors/zener.h"
#include "common/catalogue.h"
#include "common/layout.h"
#include "common/schematic.h"

namespace ondalab {

namespace {

constexpr std::array<const char*, 3> kClasses = {TR("frmreszener", "Zener da 1/2 watt"),
                                                 TR("frmreszener", "Zener da 1 watt"),
                                                 TR("frmreszener", "Zener da 2 watt")};
constexpr Rect kImage = {240, 2400, 5200, 1800};

// The supply through the series resistor to the zener, cathode up, and on
// to the load.
Picture zenerSketch() {
    schematic::Drawing d;
    d.ellipse({240, 240}, {360, 360}).wire({360, 300}, {800, 300}).resistor({800, 300}, {2600, 300}, "");
    d.wire({2600, 300}, {4700, 300}).node({3100, 300}).ellipse({4700, 240}, {4820, 360});
    d.diode({3100, 1500}, {3100, 300}, true).node({3100, 1500});
    d.wire({300, 1500}, {4760, 1500});
    return d.picture();
}

std::vector<ControlSpec> zenerControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    // the zener class comes first in the focus order: 1/2 watt on opening
    c.push_back({.kind = K::Frame,
                 .name = "Frame1",
                 .rect = {240, 150, 2800, 1600},
                 .text = TR("frmreszener", "Zener utilizzato"),
                 .tooltip = TR("frmreszener", "selezionare la potenza del diodo zener")});
    for (size_t i = 0; i < kClasses.size(); ++i)
        c.push_back({.kind = K::Option,
                     .name = indexed("Option1", i),
                     .rect = {420, 480 + static_cast<int>(i) * 380, 2400, 300},
                     .text = kClasses[i],
                     .group = "Frame1"});
    const auto input = [&](const char* label, const char* caption, const char* box, int top,
                           const char* tip) {
        addInputRow(c, {.label = label,
                        .caption = caption,
                        .box = box,
                        .top = top,
                        .labelLeft = 3300,
                        .labelWidth = 2900,
                        .boxLeft = 6300,
                        .tooltip = tip});
    };
    input("Label3", TR("frmreszener", "Tensione di alimentazione"), "txtvcc", 240,
          TR("frmreszener", "input tensione non stabilizzata"));
    input("Label4", TR("frmreszener", "Tensione diodo zener"), "txtvz", 720,
          TR("frmreszener", "Tens. stabilizzata"));
    input("Label5", TR("frmreszener", "Assorbimento in milliAmpere"), "txtma", 1200,
          TR("frmreszener", "corrente assorbita dal circuito"));
    c.end()[-2].tooltip = TR(
        "frmreszener", "corrente assorbita dal circuito");  // the current's caption carries the tip as well
    c.push_back({.kind = K::Button,
                 .name = "cmdcalcola",
                 .rect = {3300, 1800, 1900, 450},
                 .text = TR("frmreszener", "CALCOLA")});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {5600, 1800, 1900, 450},
                 .text = TR("frmreszener", "E S C I")});
    c.push_back(schematic::imageControl("Image1", kImage, zenerSketch()));
    const SketchCaptions onSketch{.controls = c, .sketch = kImage, .font = {.bold = true}};
    onSketch("Label1", TR("frmreszener", "+ Vcc"), 100, 450, 800);
    onSketch("lblvcc", "", 100, 750, 1300);
    onSketch("lblohm", "", 1100, 650, 1500);
    onSketch("Label2", TR("frmreszener", "Vz"), 3400, 750, 500);
    onSketch("lblvz", "", 3400, 1050, 1300);
    c.push_back(
        {.kind = K::Label, .name = "lblohmlunga", .rect = {240, 4300, 6000, 280}, .font = {.bold = true}});
    c.push_back(
        {.kind = K::Label, .name = "lblwatt", .rect = {240, 4620, 6000, 280}, .font = {.bold = true}});
    return c;
}

}  // namespace

Frmreszener::Frmreszener(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmreszener", "CALCOLO DELLA RESISTENZA DI CADUTA"),
            .rect = {0, 0, 7860, 5400},
            .faultFocus = "txtvcc"},
           zenerControls()) {
    onClick("Option1", &Frmreszener::Option1_Click);
    onClick(ctl("cmdcalcola"), &Frmreszener::cmdcalcola_Click);
    onClick(ctl("cmdesci"), &Frmreszener::cmdesci_Click);
}

void Frmreszener::Option1_Click(int index) {
    zenerMilliamps_ = zener::kZenerMilliamps[static_cast<size_t>(index)];
}

void Frmreszener::cmdcalcola_Click() {
    const double vcc = num(txtvcc_), vz = num(txtvz_), ma = num(txtma_);
    if (vz > vcc) return warnAndFocus(txtvcc_, TR("frmreszener", "VALORI DI TENSIONE ERRATI"));
    if (!missingDataOk(vcc * vz * ma, txtvcc_)) return;
    const zener::Dropper r = zener::solve(vcc, vz, ma, zenerMilliamps_);
    const std::string ohms = std::to_string(r.ohms);
    const std::string supply = general(vcc) + tr("frmreszener", " V"),
                      zenerVolts = general(vz) + tr("frmreszener", " V");
    const std::string watts = compose(tr("frmreszener", "Dissipazione in Watt = %1"), {shortT(r.watts)});
    lblvcc_.setText(supply);
    lblohm_.setText(ohms + tr("frmreszener", " ohm"));
    lblvz_.setText(zenerVolts);
    lblohmlunga_.setText(compose(tr("frmreszener", "Valore della resistenza = Ohm %1"), {ohms}));
    lblwatt_.setText(watts);
}

}  // namespace ondalab
