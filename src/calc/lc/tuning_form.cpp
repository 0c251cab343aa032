#include "calc/lc/tuning_form.h"

#include <array>

#include "calc/lc/coil_opener.h"
#include "calc/lc/tuning.h"
#include "common/fault.h"
#include "common/layout.h"
#include "common/schematic.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

constexpr const char* kInductance = TR("frmvalinduttanza", "INDUTTANZA :");
constexpr const char* kCapacitance = TR("frmvalinduttanza", "CAPACITA' :");
constexpr const char* kFrequency = TR("frmvalinduttanza", "FREQUENZA :");
constexpr const char* kMicrohenry = TR("frmvalinduttanza", " microH");
constexpr const char* kPicofarad = TR("frmvalinduttanza", " pF");
constexpr const char* kMegahertz = TR("frmvalinduttanza", " MHz");
constexpr Mask kResultMask = "#,##0.###";
constexpr int kCoilTopBesideTuning = 3000;

// The captions of the three rows for each mode: lblinput(i) and lblumisura(i).
struct Row {
    const char* caption;
    const char* unit;
};
constexpr std::array<std::array<Row, 3>, 3> kModes = {{
    {{{kInductance, kMicrohenry}, {kCapacitance, kPicofarad}, {kFrequency, kMegahertz}}},
    {{{kFrequency, kMegahertz}, {kInductance, kMicrohenry}, {kCapacitance, kPicofarad}}},
    {{{kFrequency, kMegahertz}, {kCapacitance, kPicofarad}, {kInductance, kMicrohenry}}},
}};
constexpr std::array<const char*, 3> kOptions = {TR("frmvalinduttanza", "INDUTTANZA e CAPACITA'"),
                                                 TR("frmvalinduttanza", "FREQUENZA e INDUTTANZA"),
                                                 TR("frmvalinduttanza", "FREQUENZA e CAPACITA'")};

// A coil and a capacitor in parallel.
Picture tankSketch() {
    schematic::Drawing d;
    d.wire({200, 150}, {1500, 150}).wire({200, 1150}, {1500, 1150});
    d.node({500, 150}).node({1200, 150}).node({500, 1150}).node({1200, 1150});
    d.wire({500, 150}, {500, 250}).coil({500, 250}, {500, 1050}).wire({500, 1050}, {500, 1150});
    d.capacitor({1200, 150}, {1200, 1150});
    return d.picture();
}

std::vector<ControlSpec> tuningControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c = {
        {.kind = K::Label,
         .name = "Label1",
         .rect = {120, 120, 7000, 300},
         .text = TR("frmvalinduttanza", "Per bobine senza schermo e senza nucleo"),
         .fore = colors::darkBlue,
         .font = {.bold = true},
         .align = Align::Center},
        {.kind = K::Frame,
         .name = "Frame1",
         .rect = {120, 540, 2800, 1560},
         .text = TR("frmvalinduttanza", "dati conosciuti")},
    };
    for (int i = 0; i < 3; ++i)
        c.push_back({.kind = K::Option,
                     .name = indexed("Option1", i),
                     .rect = {240, 840 + i * 400, 2600, 300},
                     .text = kOptions[static_cast<size_t>(i)],
                     .group = "Frame1"});
    // three rows: caption, box (a framed label for the result) and unit
    static constexpr int kRowTop[] = {700, 1200, 1700};
    const auto unit = [](int i) {
        return ControlSpec{
            .kind = K::Label, .name = indexed("lblumisura", i), .rect = {6250, kRowTop[i] + 40, 950, 300}};
    };
    for (int i = 0; i < 2; ++i) {
        addInputRow(c, {.label = indexed("lblinput", i),
                        .box = i == 0 ? "txtinput1" : "txtinput2",
                        .top = kRowTop[i],
                        .labelLeft = 3050,
                        .labelWidth = 1500,
                        .boxLeft = 4650,
                        .boxWidth = 1500,
                        .labelAlign = Align::Right,
                        .labelDrop = 40});
        c.push_back(unit(i));
    }
    c.push_back({.kind = K::Label,
                 .name = "lblinput(2)",
                 .rect = {3050, kRowTop[2] + 40, 1500, 300},
                 .align = Align::Right});
    c.push_back(resultLabel("lblinput(3)", {4650, kRowTop[2], 1500, 360}));
    c.push_back(unit(2));
    c.push_back(schematic::imageControl("Image1", {720, 2250, 1700, 1300}, tankSketch()));
    c.push_back({.kind = K::Button,
                 .name = "cmdcalcola",
                 .rect = {3050, 2350, 1950, 420},
                 .text = TR("frmvalinduttanza", "CALCOLA")});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {5150, 2350, 1950, 420},
                 .text = TR("frmvalinduttanza", "ESCI")});
    c.push_back({.kind = K::Button,
                 .name = "cmdchiamabobine",
                 .rect = {3050, 2900, 4050, 420},
                 .text = TR("frmvalinduttanza", "DATI PRATICI COSTRUZIONE BOBINE")});
    return c;
}

}  // namespace

Frmvalinduttanza::Frmvalinduttanza(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmvalinduttanza", "Calcolo dei parametri di un circuito con  L C in parallelo"),
            .rect = {0, 0, 7440, 4080},
            .faultFocus = "txtinput1"},
           tuningControls()) {
    onClick("Option1", &Frmvalinduttanza::Option1_Click);
    onClick(ctl("cmdcalcola"), &Frmvalinduttanza::cmdcalcola_Click);
    onClick(ctl("cmdchiamabobine"), &Frmvalinduttanza::cmdchiamabobine_Click);
    onClick(ctl("cmdesci"), &Frmvalinduttanza::cmdesci_Click);
}

void Frmvalinduttanza::Option1_Click(int index) {
    mode_ = index;
    const auto& rows = kModes[static_cast<size_t>(index)];
    for (size_t i = 0; i < rows.size(); ++i) {
        lblinput_[i]->setText(tr(kName, rows[i].caption));
        lblumisura_[i]->setText(tr(kName, rows[i].unit));
    }
}

void Frmvalinduttanza::cmdcalcola_Click() {
    const double a = num(txtinput1_);
    const double b = finite(toSingle(num(txtinput2_)));  // the second input is held in single precision
    if (!missingDataOk(a * b, txtinput1_)) return;
    // The chosen option says what the two input rows hold (never their
    // captions, which a translation changes); with none chosen, nothing.
    Control& result = *lblinput_[3];
    if (mode_ == 0) result.setText(masked(tuning::frequencyMHz(a, b), kResultMask));
    if (mode_ == 1 || mode_ == 2) result.setText(masked(tuning::tuningPart(a, b), kResultMask));
}

void Frmvalinduttanza::cmdchiamabobine_Click() {
    openCoilForm(*this, {.coilTop = kCoilTopBesideTuning, .callerMovesAside = true});
}

}  // namespace ondalab
