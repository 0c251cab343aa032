#include "calc/lc/coil_form.h"

#include <array>

#include "calc/lc/coil.h"
#include "common/fault.h"
#include "common/layout.h"
#include "common/schematic.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

constexpr std::array<const char*, 2> kInputCaptions = {TR("frmbobine", "induttanza in uH :"),
                                                       TR("frmbobine", "numero di spire :")};
constexpr Mask kTurnsMask = "#,##0.#";

// A coil wound on its former, with the diameter and the length marked.
Picture coilSketch() {
    schematic::Drawing d;
    const int left = 700, right = 2300, top = 250, bottom = 750;
    d.rect({left - 100, top + 40}, {right + 100, bottom - 40}, true, 0xE8DCC0);  // the former
    for (int x = left; x <= right; x += 200) {
        d.ellipse({x - 60, top}, {x + 60, bottom});  // one turn seen from the side
    }
    d.wire({left - 400, bottom}, {left - 60, bottom});
    d.wire({right + 60, top}, {right + 400, top});
    // the diameter D at the left, the length S below
    d.wire({280, top}, {280, bottom}).wire({200, top}, {360, top}).wire({200, bottom}, {360, bottom});
    d.text({60, top + 130}, TR("frmbobine", "D"));
    d.wire({left, bottom + 170}, {right, bottom + 170});
    d.wire({left, bottom + 90}, {left, bottom + 250}).wire({right, bottom + 90}, {right, bottom + 250});
    d.text({(left + right) / 2 - 50, bottom + 200}, TR("frmbobine", "S"));
    return d.picture();
}

// The input rows of this form: caption at 120, box at 3200, the caption 50
// twips lower than its box.
InputRow coilRow(InputRow row) {
    row.labelLeft = 120;
    row.labelWidth = 3000;
    row.boxLeft = 3200;
    row.boxWidth = 1400;
    row.labelDrop = 50;
    return row;
}

std::vector<ControlSpec> coilControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c = {
        {.kind = K::Frame,
         .name = "Frame1",
         .rect = {120, 120, 3600, 1020},
         .text = TR("frmbobine", "Opzioni")},
        {.kind = K::Option,
         .name = "Option1(0)",
         .rect = {240, 400, 3400, 300},
         .text = TR("frmbobine", "Trovare il numero delle spire"),
         .group = "Frame1"},
        {.kind = K::Option,
         .name = "Option1(1)",
         .rect = {240, 740, 3400, 300},
         .text = TR("frmbobine", "Trovare il valore dell'Induttanza"),
         .group = "Frame1"},
        schematic::imageControl("Image1", {3960, 120, 3000, 1260}, coilSketch()),
    };
    addInputRow(c, coilRow({.label = "lblinput", .box = "txtinput", .top = 1430}));
    addInputRow(c, coilRow({.label = "lbldiametro",
                            .caption = TR("frmbobine", "diametro interno in millimetri"),
                            .box = "txtdiametro",
                            .top = 1850,
                            .tooltip = TR("frmbobine", "diametro del supporto"),
                            .labelTooltip = TR("frmbobine", "calcolato al centro spira")}));
    addInputRow(
        c, coilRow({.label = "lbllunghezza",
                    .caption = TR("frmbobine", "lunghezza bobina  in millimetri"),
                    .box = "txtlunghezza",
                    .top = 2270,
                    .tooltip = TR("frmbobine", "digitare un dato compatibile con la sezione del filo")}));
    // The list's type is named: clang 14's libc++ would otherwise try a
    // string constructor on it and fail to compile.
    c.insert(
        c.end(),
        std::initializer_list<ControlSpec>{
            resultLabel("lbloutput", {120, 2820, 4900, 330}, {.visible = false}),
            resultLabel("lbllunghezzafilo", {120, 3240, 4900, 330}, {.visible = false}),
            {.kind = K::Button,
             .name = "cmdcalcola",
             .rect = {5300, 2780, 1700, 400},
             .text = TR("frmbobine", "CALCOLA")},
            {.kind = K::Button,
             .name = "cmdesci",
             .rect = {5300, 3220, 1700, 400},
             .text = TR("frmbobine", "ESCI")},
            {.kind = K::Label,
             .name = "Label1",
             .rect = {120, 3760, 6900, 820},
             .text = TR(
                 "frmbobine",
                 "Le bobine si intendono monostrato senza schermo e senza nucleo. Il massimo Q si ottiene "
                 "con un "
                 "rapporto L/D circa = 2. I valori ottenuti sono teorici e si discosteranno sempre di più da "
                 "quelli "
                 "reali con l'aumentare della frequenza, in particolare oltre i 30/40 MHz.")},
            {.kind = K::Label,
             .name = "Label2",
             .rect = {120, 4640, 6900, 440},
             .text =
                 TR("frmbobine",
                    "La formula adottata è quella proposta dal \"The Radio Amateur's Hand Book ARRL\" ed è "
                    "indipendente dal diametro del conduttore")},
            {.kind = K::Label,
             .name = "Label3",
             .rect = {120, 5140, 6900, 440},
             .text = TR("frmbobine",
                        "La lunghezza della bobina deve essere compatibile con la sezione del conduttore")},
        });
    return c;
}

}  // namespace

Frmbobine::Frmbobine(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmbobine", "CALCOLO BOBINE MONOSTRATO IN ARIA PER STADI NON DI POTENZA"),
            .rect = {0, 0, 7800, 6100},
            .faultFocus = "txtinput"},
           coilControls()) {
    onClick("Option1", &Frmbobine::Option1_Click);
    onClick(ctl("cmdcalcola"), &Frmbobine::cmdcalcola_Click);
    onClick(ctl("cmdesci"), &Frmbobine::cmdesci_Click);
}

void Frmbobine::Option1_Click(int index) {
    lbloutput_.setVisible(false);
    lbllunghezzafilo_.setVisible(false);
    lblinput_.setText(tr(kName, kInputCaptions[static_cast<size_t>(index)]));
}

void Frmbobine::cmdcalcola_Click() {
    const double d = num(txtdiametro_);
    const double s = num(txtlunghezza_);
    const double x = num(txtinput_);
    if (missingDataOk(x * d * s, txtinput_)) {
        std::string output, wire;
        if (option1_[0]->checked()) {  // x is the inductance in microhenry
            const std::string turns = masked(coil::turnsFor(x, d, s), kTurnsMask);
            const double rounded = readRegional(turns, fmt());  // the wire is wound for the turns shown
            output = compose(tr("frmbobine", "numero di spire  :   %1 in aria"), {turns});
            wire = compose(tr("frmbobine", "lunghezza del filo: %1 cm."),
                           {general(coil::wireLengthCm(rounded, d))});
        } else {  // x is the number of turns
            const double l = finite(toSingle(roundThrough(coil::inductanceOf(x, d, s), kTurnsMask)));
            output = compose(tr("frmbobine", "microHenry :   %1"), {shortT(l)});
            wire =
                compose(tr("frmbobine", "lunghezza del filo : %1 cm."), {general(coil::wireLengthCm(x, d))});
        }
        lbloutput_.setText(output);
        lbllunghezzafilo_.setText(wire);
    }
    // Whatever the check said, the result lines are shown again.
    lbloutput_.setVisible(true);
    lbllunghezzafilo_.setVisible(true);
}

}  // namespace ondalab
