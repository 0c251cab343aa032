#include "calc/resistors/divider_form.h"

#include "calc/resistors/divider.h"
#include "common/catalogue.h"
#include "common/layout.h"
#include "common/schematic.h"

namespace ondalab {

namespace {

constexpr Mask kVoltsMask = "#,##0.##";
constexpr Rect kImage = {240, 2300, 3000, 2200};

// A battery feeding R1 and R2 in series, back to its other pole.
Picture dividerSketch() {
    schematic::Drawing d;
    d.wire({500, 150}, {1900, 150}).wire({500, 2050}, {1900, 2050});
    d.wire({500, 150}, {500, 980}).wire({500, 1120}, {500, 2050});
    d.wire({300, 980}, {700, 980}).pen(colors::black, 4).wire({400, 1120}, {600, 1120}).pen(colors::black);
    d.text({150, 700}, "+");
    d.resistor({1900, 150}, {1900, 1100}, "").resistor({1900, 1100}, {1900, 2050}, "");
    return d.picture();
}

std::vector<ControlSpec> dividerControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    c.push_back(
        {.kind = K::Label,
         .name = "Label1",
         .rect = {240, 120, 7300, 600},
         .text = TR("frmpartitori",
                    "FISSATI I VALORI DELLA TENSIONE DI ALIMENTAZIONE E DELLE RESISTENZE, SI OTTENGONO LE "
                    "RISPETTIVE TENSIONI PARZIALI"),
         .fore = colors::darkBlue,
         .font = {.bold = true}});
    addInputRow(c, {.label = "Label5",
                    .caption = TR("frmpartitori", "TENSIONE DI ALIMENTAZIONE"),
                    .box = "txtV",
                    .top = 900,
                    .tooltip = TR("frmpartitori", "usa il punto per i decimali")});
    addInputRow(c, {.label = "Label6",
                    .caption = TR("frmpartitori", "VALORE di R 1 in OHM"),
                    .box = "txtR1",
                    .top = 1360});
    addInputRow(c, {.label = "Label7",
                    .caption = TR("frmpartitori", "VALORE di R 2 in OHM"),
                    .box = "txtR2",
                    .top = 1820});
    c.push_back({.kind = K::Button,
                 .name = "cmdcalcola",
                 .rect = {5300, 900, 1900, 450},
                 .text = TR("frmpartitori", "CALCOLA")});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {5300, 1500, 1900, 450},
                 .text = TR("frmpartitori", "E S C I")});
    c.push_back(schematic::imageControl("Image1", kImage, dividerSketch()));
    const SketchCaptions onSketch{.controls = c, .sketch = kImage, .font = {.bold = true}};
    onSketch("lblV", TR("frmpartitori", "Volt"), -120, 1250, 1000);
    onSketch("lblR1", TR("frmpartitori", "R1"), 2100, 500, 400);
    onSketch("lblR2", TR("frmpartitori", "R2"), 2100, 1450, 400);
    onSketch("lblV1", "", 2550, 500, 1700);
    onSketch("lblV2", "", 2550, 1450, 1700);
    c.push_back(
        {.kind = K::Label, .name = "lblcorrente", .rect = {240, 4600, 7000, 300}, .font = {.bold = true}});
    return c;
}

}  // namespace

Frmpartitori::Frmpartitori(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmpartitori", "PARTITORI RESISTIVI"),
            .rect = {0, 0, 7800, 5400},
            .faultFocus = "txtV"},
           dividerControls()) {
    onClick(ctl("cmdcalcola"), &Frmpartitori::cmdcalcola_Click);
    onClick(ctl("cmdesci"), &Frmpartitori::cmdesci_Click);
}

void Frmpartitori::cmdcalcola_Click() {
    const double v = num(txtV_), r1 = num(txtR1_), r2 = num(txtR2_);
    if (!missingDataOk(v * r1 * toSingle(r2), txtV_)) return;
    const divider::Divider d = divider::solve(v, r1, r2);
    const std::string v1 = compose(tr("frmpartitori", "Volt %1"), {masked(d.v1, kVoltsMask)});
    const std::string v2 = compose(tr("frmpartitori", "Volt %1"), {masked(d.v2, kVoltsMask)});
    const std::string current =
        compose(tr("frmpartitori", "LA CORRENTE E' :  %1  Amp."), {shortT(d.shownCurrent)});
    const std::string supply = compose(tr("frmpartitori", "V. %1"), {general(v)});
    lblV1_.setText(v1);
    lblV2_.setText(v2);
    lblcorrente_.setText(current);
    lblV_.setText(supply);
}

}  // namespace ondalab
