#include "calc/lc/resonance_form.h"

#include "calc/lc/coil_opener.h"
#include "calc/lc/resonance.h"
#include "common/fault.h"
#include "common/layout.h"
#include "common/schematic.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

constexpr Mask kResultMask = "#,##0.###";

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
    std::vector<ControlSpec> c;
    // the captions stand 50 twips lower than their boxes
    addInputRow(c, {.label = "lblinduttanza",
                    .caption = TR("frmrisonanza", "Induttanza in microHenry"),
                    .box = "txtinduttanza",
                    .top = 250,
                    .labelWidth = 2400,
                    .boxLeft = 2700,
                    .boxWidth = 1500,
                    .labelDrop = 50});
    addInputRow(c, {.label = "lblcapacità",
                    .caption = TR("frmrisonanza", "capacità in picoFarad"),
                    .box = "txtcapacità",
                    .top = 750,
                    .labelWidth = 2400,
                    .boxLeft = 2700,
                    .boxWidth = 1500,
                    .labelDrop = 50});
    // The list's type is named: clang 14's libc++ would otherwise try a
    // string constructor on it and fail to compile.
    c.insert(
        c.end(),
        std::initializer_list<ControlSpec>{
            {.kind = K::Button,
             .name = "cmdcalcola",
             .rect = {4500, 200, 3000, 420},
             .text = TR("frmrisonanza", "CALCOLA")},
            {.kind = K::Button,
             .name = "cdmesci",
             .rect = {4500, 700, 3000, 420},
             .text = TR("frmrisonanza", "ESCI")},
            {.kind = K::Button,
             .name = "cmdchiamabobine",
             .rect = {4500, 1200, 3000, 420},
             .text = TR("frmrisonanza", "DATI COSTRUZIONE BOBINE")},
            schematic::imageControl("Image1", {5800, 1850, 1800, 1500}, tankSketch()),
            {.kind = K::Label, .name = "lbloutputfrequenza", .rect = {360, 2000, 5300, 330}},
            {.kind = K::Label, .name = "lbloutputmetri", .rect = {360, 2450, 5300, 330}},
            {.kind = K::Label, .name = "lbloutputresistenza", .rect = {360, 2900, 5300, 330}},
            {.kind = K::Label,
             .name = "lblfantasma",
             .rect = {360, 2600, 5300, 1000},
             .text = TR(
                 "frmrisonanza",
                 "COME RISULTATO DEL CALCOLO AVREMO LA FREQUENZA IN KHz, LA LUNGHEZZA D'ONDA IN METRI E LA "
                 "RESISTENZA DEL CIRCUITO ACCORDATO IN RISONANZA"),
             .visible = false,
             .fore = colors::darkBlue,
             .font = {.bold = true}},
        });
    return c;
}

}  // namespace

Frmrisonanza::Frmrisonanza(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmrisonanza", "RISONANZA"),
            .rect = {0, 0, 7920, 3900},
            .faultFocus = "txtinduttanza"},
           resonanceControls()) {
    onClick(ctl("cmdcalcola"), &Frmrisonanza::cmdcalcola_Click);
    onClick(ctl("cmdchiamabobine"), &Frmrisonanza::cmdchiamabobine_Click);
    onClick(ctl("cdmesci"), &Frmrisonanza::cdmesci_Click);
}

void Frmrisonanza::Form_Load() {
    // the note stands over the result lines until the first result
    lblfantasma_.move(360, 2000);
    lblfantasma_.setVisible(true);
}

void Frmrisonanza::cmdcalcola_Click() {
    const double l = num(txtinduttanza_);
    const double c = num(txtcapacita_);
    if (!missingDataOk(l * c, txtinduttanza_)) return;
    const auto r = resonance::solve(l, c);
    const std::string f =
        compose(tr("frmrisonanza", "Frequenza in Khz  :  %1"), {masked(r.kilohertz, kResultMask)});
    const std::string w =
        compose(tr("frmrisonanza", "Lunghezza d'onda in mt. : %1"), {masked(r.metres, kResultMask)});
    const std::string ohm = compose(tr("frmrisonanza", "Resistenza del circuito in risonanza : %1"),
                                    {masked(r.resistance, kResultMask)});
    lbloutputfrequenza_.setText(f);
    lbloutputmetri_.setText(w);
    lbloutputresistenza_.setText(ohm);
    lblfantasma_.setVisible(false);
}

void Frmrisonanza::cmdchiamabobine_Click() {
    openCoilForm(*this, {.coilTop = kCoilFormTop, .callerMovesAside = true});
}

}  // namespace ondalab
