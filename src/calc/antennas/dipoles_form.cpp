#include "calc/antennas/dipoles_form.h"

#include "calc/antennas/dipoles.h"
#include "common/fault.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

constexpr const char* kArmMask = "#0.##";
constexpr const char* kArmTip = "semidipolo 1/4 lambda";
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
    c.push_back({.kind = K::Label,
                 .name = "Label1",
                 .rect = {360, 405, 3960, 300},
                 .text = "FREQUENZA DI CENTRO BANDA IN MHz  :"});
    c.push_back({.kind = K::TextBox,
                 .name = "txtfrequenza",
                 .rect = {4380, 360, 1500, 360},
                 .tooltip = "frequenza di risonanza dipolo"});
    c.push_back({.kind = K::Label,
                 .name = "Label4",
                 .rect = {360, 810, 6600, 300},
                 .text = "separare i decimali con il punto del tastierino numerico",
                 .fore = colors::darkBlue,
                 .font = {.italic = true}});
    c.push_back({.kind = K::Button, .name = "cmdesci", .rect = {7620, 330, 1500, 420}, .text = "E S C I"});

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
         .text = "QUALORA SI INTENDA COSTRUIRE IL DIPOLO NELLA VERSIONE A \"  V INVERTITA \" LA LUNGHEZZA "
                 "DEL BRACCIO A UN QUARTO D' ONDA SARA' DI METRI :"});
    c.push_back({.kind = K::Label,
                 .name = "lbllunghezzavert",
                 .rect = {7500, 4380, 1300, 330},
                 .fore = colors::blue,
                 .align = Align::Center,
                 .border = true});

    // sketch captions
    c.push_back({.kind = K::Label,
                 .name = "Label5",
                 .rect = {5640, 1590, 1300, 300},
                 .text = "1/4 lambda",
                 .tooltip = kArmTip,
                 .align = Align::Right});
    c.push_back({.kind = K::Label,
                 .name = "Label2",
                 .rect = {kCentre + 240, 3060, 1500, 300},
                 .text = "discesa coax",
                 .tooltip = "centrale dipolo"});

    // the wire: guy ropes, end insulators, two arms and the centre insulator
    c.push_back(lineControl("Line1", 240, kWireY, kLeftEnd - 90, kWireY, colors::grey));
    c.push_back(lineControl("Line2", kRightEnd + 90, kWireY, 9240, kWireY, colors::grey));
    c.push_back(lineControl("Line3", kLeftEnd + 90, kWireY, kCentre - 180, kWireY));
    c.push_back(lineControl("Line4", kCentre + 180, kWireY, kRightEnd - 90, kWireY));
    c.push_back({.kind = K::Shape,
                 .name = "Shape1",
                 .rect = {kLeftEnd - 90, kWireY - 90, 180, 180},
                 .filled = true,
                 .round = true,
                 .back = colors::white});
    c.push_back({.kind = K::Shape,
                 .name = "Shape2",
                 .rect = {kRightEnd - 90, kWireY - 90, 180, 180},
                 .filled = true,
                 .round = true,
                 .back = colors::white});
    c.push_back({.kind = K::Shape,
                 .name = "Shape3",
                 .rect = {kCentre - 180, kWireY - 120, 360, 240},
                 .filled = true,
                 .back = colors::grey});
    // the coax feed, down from the centre
    c.push_back(lineControl("Line5", kCentre - 60, kWireY + 120, kCentre - 60, 3360));
    c.push_back(lineControl("Line6", kCentre + 60, kWireY + 120, kCentre + 60, 3360));
    // dimension line over the right-hand arm, with its end marks
    c.push_back(lineControl("Line7", kCentre, 2040, kRightEnd, 2040, colors::blue));
    c.push_back(lineControl("Line8", kCentre, 1920, kCentre, 2160, colors::blue));
    c.push_back(lineControl("Line9", kRightEnd, 1920, kRightEnd, 2160, colors::blue));
    return c;
}

}  // namespace

Frmdipoli::Frmdipoli(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = "LUNGHEZZA DEL BRACCIO DEL DIPOLO",
            .rect = {0, 0, 15360, kFormHeight},
            .faultFocus = "txtfrequenza"},
           dipoleControls()) {
    onChange("txtfrequenza", &Frmdipoli::txtfrequenza_Change);
    onClick("cmdesci", &Frmdipoli::cmdesci_Click);
}

void Frmdipoli::Form_Load() {
    resize(workbench().services().screen.widthTwips() * 8 / 10, kFormHeight);
    centre();
}

void Frmdipoli::txtfrequenza_Change() {
    static constexpr const char* kResults[] = {"lbllunghezza", "lbllunghezzavert", "lblbraccio"};
    if ((*this)["txtfrequenza"].text().empty()) {
        for (const char* r : kResults) (*this)[r].setVisible(false);
        return;
    }
    for (const char* r : kResults) (*this)[r].setVisible(true);
    const double f = finite(toSingle(num("txtfrequenza")));  // the frequency is held in single precision
    const dipoles::Arms a = dipoles::arms(f);
    const std::string arm = masked(a.straight, kArmMask);
    const std::string vee = masked(a.invertedV, kArmMask);
    (*this)["lbllunghezza"].setText(arm);
    (*this)["lblbraccio"].setText("LUNGHEZZA DEL BRACCIO in mt.: " + arm);
    (*this)["lbllunghezzavert"].setText(vee);
}

}  // namespace ondalab
