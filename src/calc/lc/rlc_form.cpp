#include "calc/lc/rlc_form.h"

#include <cmath>

#include "calc/lc/rlc.h"
#include "calc/lc/rlc_sketch.h"
#include "common/fault.h"

namespace ondalab {

namespace {

constexpr const char* kOhmMask = "#,##0.##";
constexpr const char* kTotalMask = "#,##0.#";
constexpr const char* kAngleMask = "##0.##";
constexpr int kWidth = 8595;
constexpr int kHeight = 6840;

const char* phaseText(rlc::Phase p) {
    switch (p) {
        case rlc::Phase::Leads:
            return "TENSIONE IN ANTICIPO SULLA CORRENTE";
        case rlc::Phase::Resonance:
            return "CONDIZIONE DI RISONANZA";
        case rlc::Phase::Lags:
            return "TENSIONE IN RITARDO SULLA CORRENTE";
    }
    return "";
}

std::vector<ControlSpec> rlcControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    c.push_back({.kind = K::Label,
                 .name = "Label1",
                 .rect = {120, 120, 8235, 720},
                 .text = "CONOSCENDO IL VALORE DELLA RESISTENZA, DELL' INDUTTANZA, DELLA CAPACITA' E DELLA "
                         "FREQUENZA, SI PUO' RICAVARE IL VALORE DELL' IMPEDENZA TOTALE DEL CIRCUITO",
                 .font = {.bold = true},
                 .align = Align::Center});
    // R and L on the left, C and F on the right; focus order R, C, L, F
    const auto input = [&c](std::string label, const char* caption, std::string box, const char* tip,
                            int left, int top) {
        c.push_back({.kind = K::Label,
                     .name = std::move(label),
                     .rect = {left, top + 45, 2300, 300},
                     .text = caption});
        c.push_back({.kind = K::TextBox,
                     .name = std::move(box),
                     .rect = {left + 2340, top, 1500, 360},
                     .tooltip = tip});
    };
    input("lblresistenza", "RESISTENZA in Ohm :", "txtR", "", 120, 1000);
    input("lblcapacità", "CAPACITA' in pF :", "txtC", "campo obbligato", 4320, 1000);
    input("lblinduttanza", "INDUTTANZA in microH :", "txtL", "", 120, 1480);
    input("lblfrequenza", "FREQUENZA in MHz :", "txtF", "campo obbligato", 4320, 1480);
    const char* results[] = {"lblreattanzaInduttiva", "lblreattanzaCapacitiva", "lblreattanzatotale",
                             "lblanticipo",           "lblImpedenzaserie",      "lblimpedenzaparallelo",
                             "lblsfasamento"};
    int top = 2100;
    for (const char* r : results) {
        c.push_back({.kind = K::Label, .name = r, .rect = {120, top, 5100, 360}, .border = true});
        top += 420;
    }
    c.push_back({.kind = K::Label,
                 .name = "Label2",
                 .rect = {5460, 2100, rlc_sketch::kSeriesWidth, 255},
                 .text = "R L C in serie",
                 .align = Align::Center});
    c.push_back({.kind = K::Label,
                 .name = "Label3",
                 .rect = {5460, 3240, rlc_sketch::kParallelWidth, 255},
                 .text = "R L C in parallelo",
                 .align = Align::Center});
    rlc_sketch::Names names;
    rlc_sketch::addSeries(c, names, 5460, 2400);
    rlc_sketch::addParallel(c, names, 5460, 3540);
    c.push_back({.kind = K::Button,
                 .name = "cmdcalcola",
                 .rect = {1800, 5520, 1800, 500},
                 .text = "CALCOLA",
                 .tooltip = "CALCOLA IL VALORE DELL'IMPEDENZA"});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {4800, 5520, 1800, 500},
                 .text = "E S C I",
                 .tooltip = "ESCE DALL'APPLICAZIONE"});
    return c;
}

}  // namespace

FrmCircuitiRLC::FrmCircuitiRLC(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = "CALCOLO IMPEDENZA DI CIRCUITI CON R L C",
            .rect = {0, 0, kWidth, kHeight},
            .faultFocus = "txtR"},
           rlcControls()) {
    onClick("cmdcalcola", &FrmCircuitiRLC::cmdcalcola_Click);
    onClick("cmdesci", &FrmCircuitiRLC::cmdesci_Click);
}

void FrmCircuitiRLC::Form_Load() {
    resize(kWidth, kHeight);
    centre();
}

void FrmCircuitiRLC::cmdcalcola_Click() {
    const double r = num("txtR");
    const double l = num("txtL");
    const double c = num("txtC");
    const double f = finite(toSingle(num("txtF")));  // the frequency is held in single precision
    if (!missingDataOk(r * l * c * f, "txtR")) return;

    // the two reactances are kept as their rendered texts, and the net
    // reactance is the difference of those texts read back
    const std::string tl = masked(rlc::inductiveReactance(f, l), kOhmMask);
    const std::string tc = masked(rlc::capacitiveReactance(c, f), kOhmMask);
    const double x = finite(readRegional(tl, fmt()) - readRegional(tc, fmt()));
    const std::string series = masked(rlc::seriesImpedance(x, r), kOhmMask);
    const double parallel = std::fabs(roundThrough(rlc::parallelImpedance(x, r), kOhmMask));
    const double phi = toSingle(rlc::phaseRadians(x, r));
    const double angle = toSingle(roundThrough(rlc::degrees(phi), kAngleMask));

    (*this)["lblreattanzaInduttiva"].setText("REATTANZA INDUTTIVA = " + tl + " OHM");
    (*this)["lblreattanzaCapacitiva"].setText("REATTANZA CAPACITIVA = " + tc + " OHM");
    (*this)["lblreattanzatotale"].setText("REATTANZA TOTALE = " + masked(x, kTotalMask) + " OHM");
    (*this)["lblanticipo"].setText(phaseText(rlc::phaseOf(x)));
    (*this)["lblImpedenzaserie"].setText("IMPEDENZA TOT. SERIE = " + series + " OHM");
    (*this)["lblimpedenzaparallelo"].setText("IMPEDENZA TOT. PARALLELO = " + general(parallel) + " OHM");
    (*this)["lblsfasamento"].setText("LO SFASAMENTO E' DI : " + shortT(angle) + " gradi");
}

}  // namespace ondalab
