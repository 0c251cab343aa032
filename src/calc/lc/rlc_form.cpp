#include "calc/lc/rlc_form.h"

#include <cmath>

#include "calc/lc/rlc.h"
#include "calc/lc/rlc_sketch.h"
#include "common/catalogue.h"
#include "common/fault.h"
#include "common/layout.h"

namespace ondalab {

namespace {

constexpr Mask kOhmMask = "#,##0.##";
constexpr Mask kTotalMask = "#,##0.#";
constexpr Mask kAngleMask = "##0.##";
constexpr int kWidth = 8595;
constexpr int kHeight = 6840;

const char* phaseText(rlc::Phase p) {
    switch (p) {
        case rlc::Phase::Leads:
            return TR("frmCircuitiRLC", "TENSIONE IN ANTICIPO SULLA CORRENTE");
        case rlc::Phase::Resonance:
            return TR("frmCircuitiRLC", "CONDIZIONE DI RISONANZA");
        case rlc::Phase::Lags:
            return TR("frmCircuitiRLC", "TENSIONE IN RITARDO SULLA CORRENTE");
    }
    return "";
}

// An input row of this form: the caption at `left`, its box 2340 further right.
InputRow rowAt(int left, InputRow row) {
    row.labelLeft = left;
    row.labelWidth = 2300;
    row.boxLeft = left + 2340;
    row.boxWidth = 1500;
    return row;
}

std::vector<ControlSpec> rlcControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    c.push_back(
        {.kind = K::Label,
         .name = "Label1",
         .rect = {120, 120, 8235, 720},
         .text = TR("frmCircuitiRLC",
                    "CONOSCENDO IL VALORE DELLA RESISTENZA, DELL' INDUTTANZA, DELLA CAPACITA' E DELLA "
                    "FREQUENZA, SI PUO' RICAVARE IL VALORE DELL' IMPEDENZA TOTALE DEL CIRCUITO"),
         .font = {.bold = true},
         .align = Align::Center});
    // R and L on the left, C and F on the right; focus order R, C, L, F
    addInputRow(c, rowAt(120, {.label = "lblresistenza",
                               .caption = TR("frmCircuitiRLC", "RESISTENZA in Ohm :"),
                               .box = "txtR",
                               .top = 1000}));
    addInputRow(c, rowAt(4320, {.label = "lblcapacità",
                                .caption = TR("frmCircuitiRLC", "CAPACITA' in pF :"),
                                .box = "txtC",
                                .top = 1000,
                                .tooltip = TR("frmCircuitiRLC", "campo obbligato")}));
    addInputRow(c, rowAt(120, {.label = "lblinduttanza",
                               .caption = TR("frmCircuitiRLC", "INDUTTANZA in microH :"),
                               .box = "txtL",
                               .top = 1480}));
    addInputRow(c, rowAt(4320, {.label = "lblfrequenza",
                                .caption = TR("frmCircuitiRLC", "FREQUENZA in MHz :"),
                                .box = "txtF",
                                .top = 1480,
                                .tooltip = TR("frmCircuitiRLC", "campo obbligato")}));
    const char* results[] = {"lblreattanzaInduttiva", "lblreattanzaCapacitiva", "lblreattanzatotale",
                             "lblanticipo",           "lblImpedenzaserie",      "lblimpedenzaparallelo",
                             "lblsfasamento"};
    int top = 2100;
    for (const char* r : results) {
        c.push_back(resultLabel(r, {120, top, 5100, 360}));
        top += 420;
    }
    c.push_back({.kind = K::Label,
                 .name = "Label2",
                 .rect = {5460, 2100, rlc_sketch::kSeriesWidth, 255},
                 .text = TR("frmCircuitiRLC", "R L C in serie"),
                 .align = Align::Center});
    c.push_back({.kind = K::Label,
                 .name = "Label3",
                 .rect = {5460, 3240, rlc_sketch::kParallelWidth, 255},
                 .text = TR("frmCircuitiRLC", "R L C in parallelo"),
                 .align = Align::Center});
    c.push_back(rlc_sketch::seriesImage("Image1", {5460, 2400}));
    c.push_back(rlc_sketch::parallelImage("Image2", {5460, 3540}));
    c.push_back({.kind = K::Button,
                 .name = "cmdcalcola",
                 .rect = {1800, 5520, 1800, 500},
                 .text = TR("frmCircuitiRLC", "CALCOLA"),
                 .tooltip = TR("frmCircuitiRLC", "CALCOLA IL VALORE DELL'IMPEDENZA")});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {4800, 5520, 1800, 500},
                 .text = TR("frmCircuitiRLC", "E S C I"),
                 .tooltip = TR("frmCircuitiRLC", "ESCE DALL'APPLICAZIONE")});
    return c;
}

}  // namespace

FrmCircuitiRLC::FrmCircuitiRLC(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmCircuitiRLC", "CALCOLO IMPEDENZA DI CIRCUITI CON R L C"),
            .rect = {0, 0, kWidth, kHeight},
            .faultFocus = "txtR"},
           rlcControls()) {
    onClick(ctl("cmdcalcola"), &FrmCircuitiRLC::cmdcalcola_Click);
    onClick(ctl("cmdesci"), &FrmCircuitiRLC::cmdesci_Click);
}

void FrmCircuitiRLC::Form_Load() {
    resize(kWidth, kHeight);
    centre();
}

void FrmCircuitiRLC::cmdcalcola_Click() {
    const double r = num(txtR_);
    const double l = num(txtL_);
    const double c = num(txtC_);
    const double f = finite(toSingle(num(txtF_)));  // the frequency is held in single precision
    if (!missingDataOk(r * l * c * f, txtR_)) return;

    // the two reactances are kept as their rendered texts, and the net
    // reactance is the difference of those texts read back
    const std::string tl = masked(rlc::inductiveReactance(f, l), kOhmMask);
    const std::string tc = masked(rlc::capacitiveReactance(c, f), kOhmMask);
    const double x = finite(readRegional(tl, fmt()) - readRegional(tc, fmt()));
    const std::string series = masked(rlc::seriesImpedance(x, r), kOhmMask);
    const double parallel = std::fabs(roundThrough(rlc::parallelImpedance(x, r), kOhmMask));
    const double phi = toSingle(rlc::phaseRadians(x, r));
    const double angle = toSingle(roundThrough(rlc::degrees(phi), kAngleMask));

    lblreattanzaInduttiva_.setText(compose(tr("frmCircuitiRLC", "REATTANZA INDUTTIVA = %1 OHM"), {tl}));
    lblreattanzaCapacitiva_.setText(compose(tr("frmCircuitiRLC", "REATTANZA CAPACITIVA = %1 OHM"), {tc}));
    lblreattanzatotale_.setText(
        compose(tr("frmCircuitiRLC", "REATTANZA TOTALE = %1 OHM"), {masked(x, kTotalMask)}));
    lblanticipo_.setText(tr(kName, phaseText(rlc::phaseOf(x))));
    lblImpedenzaserie_.setText(compose(tr("frmCircuitiRLC", "IMPEDENZA TOT. SERIE = %1 OHM"), {series}));
    lblimpedenzaparallelo_.setText(
        compose(tr("frmCircuitiRLC", "IMPEDENZA TOT. PARALLELO = %1 OHM"), {general(parallel)}));
    lblsfasamento_.setText(compose(tr("frmCircuitiRLC", "LO SFASAMENTO E' DI : %1 gradi"), {shortT(angle)}));
}

}  // namespace ondalab
