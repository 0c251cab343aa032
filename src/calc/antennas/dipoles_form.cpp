#include "calc/antennas/dipoles_form.h"

#include "calc/antennas/dipoles.h"
#include "common/fault.h"
#include "common/layout.h"
#include "common/schematic.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

// The drawing spans the client area (the outer size is a safe bound).
constexpr int kSketchWidth = 12000;
constexpr int kSketchHeight = 9000;

constexpr Mask kArmMask = "#0.##";
constexpr const char* kArmTip = TR("frmdipoli", "semidipolo 1/4 lambda");
constexpr int kFormHeight = 5800;

// The dipole across the form: two arms on insulators, the coax feed at the
// centre and a dimension line over the right-hand arm.
// Laid out to fit the narrowest form (8/10 of an 800-pixel screen).
constexpr int kWireY = 2500;
constexpr int kLeftEnd = 900;
constexpr int kRightEnd = 8700;
constexpr int kCentre = 4800;

std::vector<ControlSpec> dipoleControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    schematic::Drawing sketch;  // the wires of the drawing, in client twips
    c.push_back({.kind = K::Label,
                 .name = "Label1",
                 .rect = {360, 405, 3960, 300},
                 .text = TR("frmdipoli", "FREQUENZA DI CENTRO BANDA IN MHz  :")});
    c.push_back({.kind = K::TextBox,
                 .name = "txtfrequenza",
                 .rect = {4380, 360, 1500, 360},
                 .tooltip = TR("frmdipoli", "frequenza di risonanza dipolo")});
    c.push_back({.kind = K::Label,
                 .name = "Label4",
                 .rect = {360, 810, 6600, 300},
                 .text = TR("frmdipoli", "separare i decimali con il punto del tastierino numerico"),
                 .fore = colors::darkBlue,
                 .font = {.italic = true}});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {7620, 330, 1500, 420},
                 .text = TR("frmdipoli", "E S C I")});

    // results
    c.push_back({.kind = K::Label,
                 .name = "lbllunghezza",
                 .rect = {7080, 1560, 1300, 330},
                 .tooltip = kArmTip,
                 .fore = colors::blue,
                 .align = Align::Center,
                 .border = true});
    c.push_back(
        {.kind = K::Label, .name = "lblbraccio", .rect = {360, 3720, 6600, 330}, .font = {.bold = true}});
    c.push_back(
        {.kind = K::Label,
         .name = "Label3",
         .rect = {360, 4260, 7000, 600},
         .text = TR("frmdipoli",
                    "QUALORA SI INTENDA COSTRUIRE IL DIPOLO NELLA VERSIONE A \"  V INVERTITA \" LA LUNGHEZZA "
                    "DEL BRACCIO A UN QUARTO D' ONDA SARA' DI METRI :")});
    c.push_back(resultLabel("lbllunghezzavert", {7500, 4380, 1300, 330},
                            {.fore = colors::blue, .align = Align::Center}));

    // sketch captions
    c.push_back({.kind = K::Label,
                 .name = "Label5",
                 .rect = {5640, 1590, 1300, 300},
                 .text = TR("frmdipoli", "1/4 lambda"),
                 .tooltip = kArmTip,
                 .align = Align::Right});
    c.push_back({.kind = K::Label,
                 .name = "Label2",
                 .rect = {kCentre + 240, 3060, 1500, 300},
                 .text = TR("frmdipoli", "discesa coax"),
                 .tooltip = TR("frmdipoli", "centrale dipolo")});

    // the wire: guy ropes, end insulators, two arms and the centre insulator
    sketch.pen(colors::grey, 1).wire({240, kWireY}, {kLeftEnd - 90, kWireY});
    sketch.wire({kRightEnd + 90, kWireY}, {9240, kWireY});
    sketch.pen(colors::black, 1).wire({kLeftEnd + 90, kWireY}, {kCentre - 180, kWireY});
    sketch.wire({kCentre + 180, kWireY}, {kRightEnd - 90, kWireY});
    sketch.ellipse({kLeftEnd - 90, kWireY - 90}, {kLeftEnd - 90 + 180, kWireY - 90 + 180}, true,
                   colors::white);
    sketch.ellipse({kRightEnd - 90, kWireY - 90}, {kRightEnd - 90 + 180, kWireY - 90 + 180}, true,
                   colors::white);
    sketch.rect({kCentre - 180, kWireY - 120}, {kCentre - 180 + 360, kWireY - 120 + 240}, true, colors::grey);
    // the coax feed, down from the centre
    sketch.wire({kCentre - 60, kWireY + 120}, {kCentre - 60, 3360});
    sketch.wire({kCentre + 60, kWireY + 120}, {kCentre + 60, 3360});
    // dimension line over the right-hand arm, with its end marks
    sketch.pen(colors::blue, 1).wire({kCentre, 2040}, {kRightEnd, 2040});
    sketch.wire({kCentre, 1920}, {kCentre, 2160});
    sketch.wire({kRightEnd, 1920}, {kRightEnd, 2160});
    c.push_back(schematic::imageControl("Sketch", {0, 0, kSketchWidth, kSketchHeight}, sketch.picture()));
    return c;
}

}  // namespace

Frmdipoli::Frmdipoli(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmdipoli", "LUNGHEZZA DEL BRACCIO DEL DIPOLO"),
            .rect = {0, 0, 15360, kFormHeight},
            .faultFocus = "txtfrequenza",
            .defaultButton = {}},
           dipoleControls()) {
    onChange(txtfrequenza_, &Frmdipoli::txtfrequenza_Change);
    onClick(cmdesci_, &Frmdipoli::cmdesci_Click);
}

void Frmdipoli::Form_Load() {
    resize(workbench().services().screen.widthTwips() * 8 / 10, kFormHeight);
    centre();
}

void Frmdipoli::txtfrequenza_Change() {
    const bool any = !txtfrequenza_.text().empty();
    for (Control* r : results_) r->setVisible(any);
    if (!any) return;
    const double f = finite(toSingle(num(txtfrequenza_)));  // the frequency is held in single precision
    const dipoles::Arms a = dipoles::arms(f);
    const std::string arm = masked(a.straight, kArmMask);
    const std::string vee = masked(a.invertedV, kArmMask);
    lbllunghezza_.setText(arm);
    lblbraccio_.setText(compose(tr("frmdipoli", "LUNGHEZZA DEL BRACCIO in mt.: %1"), {arm}));
    lbllunghezzavert_.setText(vee);
}

}  // namespace ondalab
