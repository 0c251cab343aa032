#include "calc/lc/resonance_form.h"

#include "calc/lc/coil_opener.h"
#include "calc/lc/resonance.h"
#include "common/fault.h"
#include "common/schematic.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

constexpr const char* kResultMask = "#,##0.###";

// The tuned circuit: a coil and a capacitor in parallel.
Picture tankSketch() {
    schematic::Drawing d;
    d.wire({300, 200}, {1500, 200}).wire({300, 1300}, {1500, 200 + 1100});
    d.node({300, 200}).node({1500, 200}).node({300, 1300}).node({1500, 1300});
    d.coil({300, 300}, {300, 1200}).wire({300, 200}, {300, 300}).wire({300, 1200}, {300, 1300});
    d.capacitor({1500, 200}, {1500, 1300});
    return d.picture();
}

std::vector<ControlSpec> resonanceControls() {
    using K = ControlKind;
    return {
        {.kind = K::Label,
         .name = "lblinduttanza",
         .rect = {240, 300, 2400, 300},
         .text = "Induttanza in microHenry"},
        {.kind = K::TextBox, .name = "txtinduttanza", .rect = {2700, 250, 1500, 360}},
        {.kind = K::Label,
         .name = "lblcapacità",
         .rect = {240, 800, 2400, 300},
         .text = "capacità in picoFarad"},
        {.kind = K::TextBox, .name = "txtcapacità", .rect = {2700, 750, 1500, 360}},
        {.kind = K::Button, .name = "cmdcalcola", .rect = {4500, 200, 3000, 420}, .text = "CALCOLA"},
        {.kind = K::Button, .name = "cdmesci", .rect = {4500, 700, 3000, 420}, .text = "ESCI"},
        {.kind = K::Button,
         .name = "cmdchiamabobine",
         .rect = {4500, 1200, 3000, 420},
         .text = "DATI COSTRUZIONE BOBINE"},
        {.kind = K::Image, .name = "Image1", .rect = {5800, 1850, 1800, 1500}, .picture = tankSketch()},
        {.kind = K::Label, .name = "lbloutputfrequenza", .rect = {360, 2000, 5300, 330}},
        {.kind = K::Label, .name = "lbloutputmetri", .rect = {360, 2450, 5300, 330}},
        {.kind = K::Label, .name = "lbloutputresistenza", .rect = {360, 2900, 5300, 330}},
        {.kind = K::Label,
         .name = "lblfantasma",
         .rect = {360, 2600, 5300, 1000},
         .text = "COME RISULTATO DEL CALCOLO AVREMO LA FREQUENZA IN KHz, LA LUNGHEZZA D'ONDA IN METRI E LA "
                 "RESISTENZA DEL CIRCUITO ACCORDATO IN RISONANZA",
         .visible = false,
         .fore = colors::darkBlue,
         .font = {.bold = true}},
    };
}

}  // namespace

Frmrisonanza::Frmrisonanza(Workbench& wb)
    : Form(wb,
           {.name = kName, .caption = "RISONANZA", .rect = {0, 0, 7920, 3900}, .faultFocus = "txtinduttanza"},
           resonanceControls()) {
    onClick("cmdcalcola", &Frmrisonanza::cmdcalcola_Click);
    onClick("cmdchiamabobine", &Frmrisonanza::cmdchiamabobine_Click);
    onClick("cdmesci", &Frmrisonanza::cdmesci_Click);
}

void Frmrisonanza::Form_Load() {
    // the note stands over the result lines until the first result
    (*this)["lblfantasma"].move(360, 2000);
    (*this)["lblfantasma"].setVisible(true);
}

void Frmrisonanza::cmdcalcola_Click() {
    const double l = num("txtinduttanza");
    const double c = num("txtcapacità");
    if (!missingDataOk(l * c, "txtinduttanza")) return;
    const auto r = resonance::solve(l, c);
    const std::string f = "Frequenza in Khz  :  " + masked(r.kilohertz, kResultMask);
    const std::string w = "Lunghezza d'onda in mt. : " + masked(r.metres, kResultMask);
    const std::string ohm = "Resistenza del circuito in risonanza : " + masked(r.resistance, kResultMask);
    (*this)["lbloutputfrequenza"].setText(f);
    (*this)["lbloutputmetri"].setText(w);
    (*this)["lbloutputresistenza"].setText(ohm);
    (*this)["lblfantasma"].setVisible(false);
}

void Frmrisonanza::cmdchiamabobine_Click() {
    openCoilForm(*this, {.coilTop = kCoilFormTop, .callerMovesAside = true});
}

}  // namespace ondalab
