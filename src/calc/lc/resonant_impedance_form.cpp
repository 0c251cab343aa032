#include "calc/lc/resonant_impedance_form.h"

#include "calc/lc/resonant_impedance.h"
#include "calc/lc/rlc_sketch.h"
#include "common/fault.h"

namespace ondalab {

namespace {

constexpr const char* kFrequencyMask = "###,##0.###";
constexpr const char* kParallelMask = "###,##0.#";

std::vector<ControlSpec> imprisonanzaControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    c.push_back({.kind = K::Label,
                 .name = "Label9",
                 .rect = {120, 120, 8160, 720},
                 .text =
                     "NOTA LA CAPACITA',  L' INDUTTANZA E LA RESISTENZA,  SI DETERMINA IL VALORE "
                     "DELL'IMPEDENZA IN UN CIRCUITO  R-L-C  IN RISONANZA, SUPPONENDO CHE I COMPONENTI SIANO "
                     "PRIVI DI PERDITE",
                 .font = {.bold = true},
                 .align = Align::Center});
    // capacitance and resistance on the left, inductance beside the
    // capacitance; focus order C, L, R
    const auto input = [&c](std::string label, const char* caption, std::string box, const char* text,
                            int left, int top) {
        c.push_back({.kind = K::Label,
                     .name = std::move(label),
                     .rect = {left, top + 45, 2640, 300},
                     .text = caption});
        c.push_back({.kind = K::TextBox,
                     .name = std::move(box),
                     .rect = {left + 2700, top, 1260, 360},
                     .text = text});
    };
    input("lblC", "CAPACITA'  IN picoFARAD", "txtC", "", 120, 1000);
    input("lblL", "INDUTTANZA IN microHENRY", "txtL", "", 4320, 1000);
    input("lblR", "RESISTENZA IN OHM", "txtR", "0.1", 120, 1480);
    const char* results[] = {"lblfrequenza", "lblzserie", "lblzparallelo"};
    int top = 2100;
    for (const char* r : results) {
        c.push_back({.kind = K::Label, .name = r, .rect = {120, top, 5100, 360}, .border = true});
        top += 420;
    }
    c.push_back({.kind = K::Label,
                 .name = "Label1",
                 .rect = {5460, 2100, rlc_sketch::kSeriesWidth, 255},
                 .text = "risonanza serie",
                 .align = Align::Center});
    c.push_back({.kind = K::Label,
                 .name = "Label2",
                 .rect = {5460, 3240, rlc_sketch::kParallelWidth, 255},
                 .text = "risonanza parallelo",
                 .align = Align::Center});
    rlc_sketch::Names names;
    rlc_sketch::addSeries(c, names, 5460, 2400);
    rlc_sketch::addParallel(c, names, 5460, 3540);
    c.push_back({.kind = K::Button, .name = "cmdcalcola", .rect = {840, 3840, 1800, 500}, .text = "CALCOLA"});
    c.push_back({.kind = K::Button, .name = "cdmesci", .rect = {3000, 3840, 1800, 500}, .text = "E S C I"});
    return c;
}

}  // namespace

Frmimprisonanza::Frmimprisonanza(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = "CALCOLO DELL'IMPEDENZA IN UN CIRCUITO IN RISONANZA",
            .rect = {0, 0, 8520, 5700},
            .style = FrameStyle::Sizable,
            .centred = true,
            .faultFocus = "txtC"},
           imprisonanzaControls()) {
    onClick("cmdcalcola", &Frmimprisonanza::cmdcalcola_Click);
    onClick("cdmesci", &Frmimprisonanza::cdmesci_Click);
}

void Frmimprisonanza::cmdcalcola_Click() {
    const double r = num("txtR");
    const double l = num("txtL");
    const double c = num("txtC");
    if (!missingDataOk(c * l * r, "txtC")) return;
    if (r < resonant_impedance::kMinResistance) {
        warning("RESISTENZA TROPPO PICCOLA", "MESSAGGIO DI AVVISO");
        setFocus("txtR");
        return;
    }
    const std::string frequency = masked(resonant_impedance::frequency(l, c), kFrequencyMask);
    const double series = finite(toSingle(r));  // the series impedance is held in single precision
    // rendered and read back, so at most one decimal is kept
    const double parallel = roundThrough(resonant_impedance::parallelImpedance(l, r, c), kParallelMask);

    (*this)["lblfrequenza"].setText("FREQUENZA DI RISONANZA : " + frequency + " MHz");
    (*this)["lblzserie"].setText("IMPEDENZA SERIE : " + shortT(series) + " Ohm");
    (*this)["lblzparallelo"].setText("IMPEDENZA PARALLELO : " + general(parallel) + " Ohm");
}

}  // namespace ondalab
