#include "calc/lc/resonant_impedance_form.h"

#include "calc/lc/resonant_impedance.h"
#include "calc/lc/rlc_sketch.h"
#include "common/catalogue.h"
#include "common/fault.h"
#include "common/layout.h"

namespace ondalab {

namespace {

constexpr Mask kFrequencyMask = "###,##0.###";
constexpr Mask kParallelMask = "###,##0.#";

// An input row of this form: the caption at `left`, its box 2700 further right.
InputRow rowAt(int left, InputRow row) {
    row.labelLeft = left;
    row.labelWidth = 2640;
    row.boxLeft = left + 2700;
    row.boxWidth = 1260;
    return row;
}

std::vector<ControlSpec> imprisonanzaControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    c.push_back(
        {.kind = K::Label,
         .name = "Label9",
         .rect = {120, 120, 8160, 720},
         .text = TR("frmimprisonanza",
                    "NOTA LA CAPACITA',  L' INDUTTANZA E LA RESISTENZA,  SI DETERMINA IL VALORE "
                    "DELL'IMPEDENZA IN UN CIRCUITO  R-L-C  IN RISONANZA, SUPPONENDO CHE I COMPONENTI SIANO "
                    "PRIVI DI PERDITE"),
         .font = {.bold = true},
         .align = Align::Center});
    // capacitance and resistance on the left, inductance beside the
    // capacitance; focus order C, L, R
    addInputRow(c, rowAt(120, {.label = "lblC",
                               .caption = TR("frmimprisonanza", "CAPACITA'  IN picoFARAD"),
                               .box = "txtC",
                               .top = 1000}));
    addInputRow(c, rowAt(4320, {.label = "lblL",
                                .caption = TR("frmimprisonanza", "INDUTTANZA IN microHENRY"),
                                .box = "txtL",
                                .top = 1000}));
    addInputRow(c, rowAt(120, {.label = "lblR",
                               .caption = TR("frmimprisonanza", "RESISTENZA IN OHM"),
                               .box = "txtR",
                               .top = 1480,
                               .text = "0.1"}));
    const char* results[] = {"lblfrequenza", "lblzserie", "lblzparallelo"};
    int top = 2100;
    for (const char* r : results) {
        c.push_back(resultLabel(r, {120, top, 5100, 360}));
        top += 420;
    }
    c.push_back({.kind = K::Label,
                 .name = "Label1",
                 .rect = {5460, 2100, rlc_sketch::kSeriesWidth, 255},
                 .text = TR("frmimprisonanza", "risonanza serie"),
                 .align = Align::Center});
    c.push_back({.kind = K::Label,
                 .name = "Label2",
                 .rect = {5460, 3240, rlc_sketch::kParallelWidth, 255},
                 .text = TR("frmimprisonanza", "risonanza parallelo"),
                 .align = Align::Center});
    c.push_back(rlc_sketch::seriesImage("Image1", {5460, 2400}));
    c.push_back(rlc_sketch::parallelImage("Image2", {5460, 3540}));
    c.push_back({.kind = K::Button,
                 .name = "cmdcalcola",
                 .rect = {840, 3840, 1800, 500},
                 .text = TR("frmimprisonanza", "CALCOLA")});
    c.push_back({.kind = K::Button,
                 .name = "cdmesci",
                 .rect = {3000, 3840, 1800, 500},
                 .text = TR("frmimprisonanza", "E S C I")});
    return c;
}

}  // namespace

Frmimprisonanza::Frmimprisonanza(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmimprisonanza", "CALCOLO DELL'IMPEDENZA IN UN CIRCUITO IN RISONANZA"),
            .rect = {0, 0, 8520, 5700},
            .style = FrameStyle::Sizable,
            .centred = true,
            .faultFocus = "txtC"},
           imprisonanzaControls()) {
    onClick(ctl("cmdcalcola"), &Frmimprisonanza::cmdcalcola_Click);
    onClick(ctl("cdmesci"), &Frmimprisonanza::cdmesci_Click);
}

void Frmimprisonanza::cmdcalcola_Click() {
    const double r = num(txtR_);
    const double l = num(txtL_);
    const double c = num(txtC_);
    if (!missingDataOk(c * l * r, txtC_)) return;
    if (r < resonant_impedance::kMinResistance) {
        warnAndFocus(txtR_, TR("frmimprisonanza", "RESISTENZA TROPPO PICCOLA"), kNoticeTitle);
        return;
    }
    const std::string frequency = masked(resonant_impedance::frequency(l, c), kFrequencyMask);
    const double series = finite(toSingle(r));  // the series impedance is held in single precision
    // rendered and read back, so at most one decimal is kept
    const double parallel = roundThrough(resonant_impedance::parallelImpedance(l, r, c), kParallelMask);

    lblfrequenza_.setText(compose(tr("frmimprisonanza", "FREQUENZA DI RISONANZA : %1 MHz"), {frequency}));
    lblzserie_.setText(compose(tr("frmimprisonanza", "IMPEDENZA SERIE : %1 Ohm"), {shortT(series)}));
    lblzparallelo_.setText(
        compose(tr("frmimprisonanza", "IMPEDENZA PARALLELO : %1 Ohm"), {general(parallel)}));
}

}  // namespace ondalab
