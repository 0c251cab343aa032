#include "calc/antennas/five_eighths_form.h"

#include <array>

#include "common/catalogue.h"
#include "common/layout.h"
#include "common/schematic.h"

namespace ondalab {

namespace {

// The captions a band writes, in the order the handler writes them.
constexpr std::array<const char*, 6> kBandLabels = {"lblaltezza", "lblradiale", "lblradiatore",
                                                    "lblradiali", "lblbobina",  "lblcarico"};

struct Band {
    const char* option;
    std::array<const char*, 6> texts;  // for kBandLabels
};

constexpr std::array<Band, 3> kBands = {{
    {TR("frmantenna58", "50 Mcs"),
     {TR("frmantenna58", "340 cm."), TR("frmantenna58", "143 cm."),
      TR("frmantenna58", "RADIATORE cm. 340     DIAMETRO 20 mm."),
      TR("frmantenna58", "N. 4 RADIALI cm. 143     DIAMETRO 5 mm."),
      TR("frmantenna58", "BOBINA n.9 spire 2 mm. su diametro 3 cm. lunga 3 cm."),
      TR("frmantenna58", "9 sp.")}},
    {TR("frmantenna58", "145 Mcs"),
     {TR("frmantenna58", "120 cm."), TR("frmantenna58", "50 cm."),
      TR("frmantenna58", "RADIATORE cm. 120     DIAMETRO 10 mm."),
      TR("frmantenna58", "N. 4 RADIALI cm. 50     DIAMETRO 5 mm."),
      TR("frmantenna58", "BOBINA n.5 spire 2 mm. su diametro 2 cm. lunga 2 cm."),
      TR("frmantenna58", "5 sp.")}},
    {TR("frmantenna58", "433 Mcs"),
     {TR("frmantenna58", "42 cm."), TR("frmantenna58", "17 cm."),
      TR("frmantenna58", "RADIATORE cm. 42     DIAMETRO 6 mm."),
      TR("frmantenna58", "N. 4 RADIALI cm. 17     DIAMETRO 5 mm."),
      TR("frmantenna58", "BOBINA n.2 spire 2 mm. su diametro 1.5 cm. lunga 2 cm."),
      TR("frmantenna58", "2 sp.")}},
}};

constexpr Rect kSketch = {3360, 120, 3000, 3120};

// The radiator over its base coil, four radials drooping from the base.
Picture sketch() {
    schematic::Drawing d;
    constexpr int x = 1500;
    d.antenna({x, 1800}, {x, 300});
    d.turns(5, {x - 150, 1800}, {x + 150, 1900}, {0, 80});
    d.wire({x, 2220}, {x, 2300});
    d.node({x, 2300});
    d.wire({x, 2300}, {200, 2900})
        .wire({x, 2300}, {800, 3000})
        .wire({x, 2300}, {2200, 3000})
        .wire({x, 2300}, {2800, 2900});
    return d.picture();
}

std::vector<ControlSpec> antenna58Controls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    c.push_back({.kind = K::Frame,
                 .name = "Frame1",
                 .rect = {240, 240, 2520, 1680},
                 .text = TR("frmantenna58", "Banda"),
                 .tooltip = TR("frmantenna58", "selezionare una frequenza")});
    for (size_t i = 0; i < kBands.size(); ++i)
        c.push_back({.kind = K::Option,
                     .name = indexed("Option1", i),
                     .rect = {480, 600 + static_cast<int>(i) * 420, 2040, 330},
                     .text = kBands[i].option,
                     .group = "Frame1"});
    c.push_back(schematic::imageControl("Image1", kSketch, sketch()));
    const SketchCaptions onSketch{.controls = c, .sketch = kSketch, .fore = colors::darkBlue};
    onSketch("lblaltezza", TR("frmantenna58", "radiatore"), 1650, 900, 1100);
    onSketch("lblcarico", TR("frmantenna58", "bobina"), 1750, 1800, 1100);
    onSketch("lblradiale", TR("frmantenna58", "radiali"), 100, 2150, 1100);
    const char* lines[] = {"lblradiatore", "lblradiali", "lblbobina"};
    for (int i = 0; i < 3; ++i)
        c.push_back({.kind = K::Label, .name = lines[i], .rect = {240, 3420 + i * 360, 6000, 300}});
    c.push_back(
        {.kind = K::Label,
         .name = "Label1",
         .rect = {240, 2160, 2760, 1080},
         .text = TR("frmantenna58",
                    "IN  FASE  DI  REALIZZAZIONE  AGIRE SULLA LUNGHEZZA DEL RADIATORE PER  IL  MIGLIOR  "
                    "ADATTAMENTO"),
         .fore = colors::red});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {2280, 4620, 2040, 420},
                 .text = TR("frmantenna58", "E S C I")});
    return c;
}

}  // namespace

Frmantenna58::Frmantenna58(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmantenna58", "  ANTENNA VERTICALE 5/8 LAMBDA"),
            .rect = {0, 0, 6720, 5580},
            .defaultButton = {}},
           antenna58Controls()),
      bandLabels_(ctls(kBandLabels)) {
    onClick("Option1", &Frmantenna58::Option1_Click);
    onClick(ctl("cmdesci"), &Frmantenna58::cmdesci_Click);
}

void Frmantenna58::Option1_Click(int index) {
    const Band& band = kBands[static_cast<size_t>(index)];
    for (size_t i = 0; i < bandLabels_.size(); ++i) bandLabels_[i]->setText(tr(kName, band.texts[i]));
}

}  // namespace ondalab
