#include "calc/antennas/multiband_form.h"

#include "calc/antennas/multiband.h"
#include "calc/lc/coil_opener.h"
#include "calc/shared/disclaimer.h"
#include "common/fault.h"
#include "common/layout.h"
#include "common/schematic.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

// The drawing spans the client area (the outer size is a safe bound).
constexpr int kSketchWidth = 12000;
constexpr int kSketchHeight = 9000;

constexpr Mask kResultMask = "#,##0.###";
constexpr int kWidth = 8595;
constexpr int kHeight = 6840;
constexpr const char* kResults[] = {"lblA", "lblB", "lbloutput"};

// The trap coil, drawn upright as a stack of turns in a 300 x 600 box.
Picture coilPicture() {
    return schematic::Drawing().pen(colors::black).turns(6, {20, 20}, {280, 130}, {0, 90}).picture();
}

std::vector<ControlSpec> multibandControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    schematic::Drawing sketch;  // the wires of the drawing, in client twips
    c.push_back(
        {.kind = K::Label,
         .name = "Label1",
         .rect = {120, 90, 8235, 690},
         .text = TR("frmantmultigamma",
                    "IL PROCEDIMENTO PUO' ESSERE APPLICATO TANTO AD UN RADIATORE VERTICALE CHE AD UN DIPOLO "
                    "DI CUI,  "
                    "PER PRATICITA',   VIENE RAPPRESENTATO SOLO UN BRACCIO;  L' ALTRO SI INTENDE IDENTICO"),
         .font = {.bold = true}});
    c.push_back({.kind = K::Frame,
                 .name = "Frame1",
                 .rect = {120, 840, 3300, 1080},
                 .text = TR("frmantmultigamma", "Dati conosciuti"),
                 .tooltip = TR("frmantmultigamma", "effettuare una scelta")});
    c.push_back({.kind = K::Option,
                 .name = "Option1(0)",
                 .rect = {300, 1200, 2500, 300},
                 .text = TR("frmantmultigamma", "E' NOTA LA CAPACITA'"),
                 .group = "Frame1"});
    c.push_back({.kind = K::Option,
                 .name = "Option1(1)",
                 .rect = {300, 1560, 2500, 300},
                 .text = TR("frmantmultigamma", "E' NOTA L' INDUTTANZA"),
                 .group = "Frame1"});

    addInputRow(c, {.label = "Label2",
                    .caption = TR("frmantmultigamma", "FREQUENZA PIU' ALTA in MHz"),
                    .box = "txtF1",
                    .top = 900,
                    .labelLeft = 3660,
                    .labelWidth = 3000,
                    .boxLeft = 6720});
    addInputRow(c, {.label = "Label3",
                    .caption = TR("frmantmultigamma", "FREQUENZA PIU' BASSA in MHz"),
                    .box = "txtF2",
                    .top = 1380,
                    .labelLeft = 3660,
                    .labelWidth = 3000,
                    .boxLeft = 6720});
    addInputRow(c, {.label = "lbldato",
                    .caption = "",
                    .box = "txtdato",
                    .top = 1860,
                    .labelLeft = 3660,
                    .labelWidth = 3000,
                    .boxLeft = 6720});

    c.push_back(
        {.kind = K::Label,
         .name = "Label6",
         .rect = {120, 2340, 8235, 600},
         .text = TR(
             "frmantmultigamma",
             "oltre alle due frequenze per cui si intende costruire l'antenna, occorre siano note o "
             "l'induttanza della bobina o la capacità del condensatore da porre in parallelo (normalmente 10 "
             "o 20 pF)"),
         .fore = colors::darkBlue});

    c.push_back({.kind = K::Button,
                 .name = "cmdcalcola",
                 .rect = {120, 3060, 1500, 420},
                 .text = TR("frmantmultigamma", "CALCOLA")});
    c.push_back({.kind = K::Button,
                 .name = "cmdavviso",
                 .rect = {1740, 3060, 1500, 420},
                 .text = TR("frmantmultigamma", "AVVISO")});
    c.push_back({.kind = K::Button,
                 .name = "cmdchiamabobine",
                 .rect = {3360, 3060, 2700, 420},
                 .text = TR("frmantmultigamma", "costruzione della bobina"),
                 .tooltip = TR("frmantmultigamma", "procedura  per la costruzione della bobina")});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {6180, 3060, 1500, 420},
                 .text = TR("frmantmultigamma", "E S C I"),
                 .tooltip = TR("frmantmultigamma", "torna alla maschera principale")});

    for (int i = 0; i < 3; ++i)
        c.push_back(resultLabel(kResults[i], {120, 3780 + i * 420, 4900, 330},
                                {.fore = colors::darkBlue, .visible = false}));

    // sketch: the radiator upright from its feed point, section A up to the
    // trap (L with C across it), B the whole length
    constexpr int x = 6900;
    constexpr int feed = 6000;
    constexpr int trapBottom = 5100;
    constexpr int trapTop = 4500;
    constexpr int top = 3660;
    sketch.pen(colors::black, 1).wire({x, feed}, {x, trapBottom});
    c.push_back(
        {.kind = K::Image, .name = "Image1", .rect = {x - 150, trapTop, 300, 600}, .picture = coilPicture()});
    c.push_back({.kind = K::Label,
                 .name = "Label7",
                 .rect = {x - 420, 4650, 260, 280},
                 .text = TR("frmantmultigamma", "L"),
                 .tooltip = TR("frmantmultigamma", "trappola di blocco")});
    sketch.wire({x, trapTop}, {x, top});
    // the capacitor across the coil
    sketch.wire({x, trapTop}, {x + 480, trapTop});
    sketch.wire({x + 480, trapTop}, {x + 480, 4740});
    sketch.wire({x + 330, 4740}, {x + 630, 4740});
    sketch.wire({x + 330, 4860}, {x + 630, 4860});
    sketch.wire({x + 480, 4860}, {x + 480, trapBottom});
    sketch.wire({x + 480, trapBottom}, {x, trapBottom});
    c.push_back({.kind = K::Label,
                 .name = "Label8",
                 .rect = {x + 690, 4650, 300, 280},
                 .text = TR("frmantmultigamma", "C"),
                 .tooltip = TR("frmantmultigamma", "condensatore in parallelo alla bobina")});
    // feed point and coax
    sketch.ellipse({x - 60, feed - 60}, {x - 60 + 120, feed - 60 + 120}, true, colors::black);
    sketch.pen(colors::grey, 1).wire({x, feed + 60}, {x, 6420});
    c.push_back({.kind = K::Label,
                 .name = "Label9",
                 .rect = {x - 720, 6150, 600, 260},
                 .text = TR("frmantmultigamma", "coax"),
                 .align = Align::Right});
    c.push_back({.kind = K::Label,
                 .name = "Label10",
                 .rect = {x + 180, 5580, 1400, 660},
                 .text = TR("frmantmultigamma", "punto di alimentazione radiatore")});
    // dimension lines
    sketch.pen(colors::blue, 1).wire({6200, trapBottom - 300}, {6200, feed});
    sketch.wire({6080, trapBottom - 300}, {6320, trapBottom - 300});
    sketch.wire({6080, feed}, {6320, feed});
    c.push_back({.kind = K::Label,
                 .name = "Label4",
                 .rect = {5760, 5400, 400, 280},
                 .text = TR("frmantmultigamma", "  A"),
                 .tooltip = TR("frmantmultigamma", "lungh.del tratto corispondente alla fr. più alta")});
    sketch.wire({5700, top}, {5700, feed});
    sketch.wire({5580, top}, {5820, top});
    sketch.wire({5580, feed}, {5820, feed});
    c.push_back({.kind = K::Label,
                 .name = "Label5",
                 .rect = {5280, 4700, 400, 280},
                 .text = TR("frmantmultigamma", "  B"),
                 .tooltip = TR("frmantmultigamma", "lungh.del radiatore vert. o del semidipolo")});
    c.push_back(schematic::imageControl("Sketch", {0, 0, kSketchWidth, kSketchHeight}, sketch.picture()));
    return c;
}

}  // namespace

Frmantmultigamma::Frmantmultigamma(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmantmultigamma", "ANTENNA MULTIGAMMA TRAPPOLATA"),
            .rect = {0, 0, kWidth, kHeight},
            .faultFocus = "txtF1"},
           multibandControls()) {
    onClick("Option1", &Frmantmultigamma::Option1_Click);
    onClick(cmdcalcola_, &Frmantmultigamma::cmdcalcola_Click);
    onClick(cmdavviso_, &Frmantmultigamma::cmdavviso_Click);
    onClick(cmdchiamabobine_, &Frmantmultigamma::cmdchiamabobine_Click);
    onClick(cmdesci_, &Frmantmultigamma::cmdesci_Click);
}

void Frmantmultigamma::Form_Load() {
    resize(kWidth, kHeight);
    centre();
    for (Control* r : results_) r->setVisible(false);
}

void Frmantmultigamma::Option1_Click(int index) {
    lbldato_.setText(index == 0 ? tr("frmantmultigamma", "CAPACITA' in pFARAD ")
                                : tr("frmantmultigamma", "INDUTTANZA in microH "));
    txtdato_.setText(index == 0 ? "20" : "");
    for (Control* r : results_) r->setVisible(false);
}

void Frmantmultigamma::cmdcalcola_Click() {
    const double high = num(txtF1_);
    const double low = num(txtF2_);
    const double known = num(txtdato_);
    if (!missingDataOk(high * low * known, txtF1_)) return;
    const std::string a = masked(multiband::sectionA(high), kResultMask);
    const std::string b = masked(multiband::sectionB(low), kResultMask);
    // kept to three decimals by the mask, read back in single precision
    const double other = finite(toSingle(roundThrough(multiband::otherComponent(high, known), kResultMask)));
    const std::string y = shortT(other);
    for (Control* r : results_) r->setVisible(true);
    lblA_.setText(compose(tr("frmantmultigamma", "La lunghezza del tratto A è di mt. : %1"), {a}));
    lblB_.setText(compose(tr("frmantmultigamma", "La lunghezza del tratto B è di mt. : %1"), {b}));
    if (Option10_.checked())
        lbloutput_.setText(compose(tr("frmantmultigamma", "L'induttanza della bobina è microH : %1"), {y}));
    else
        lbloutput_.setText(compose(tr("frmantmultigamma", "La capacità del condensatore è pF : %1"), {y}));
}

void Frmantmultigamma::cmdavviso_Click() { showDisclaimer(*this); }

// This form steps aside to 180,180 and the coil form sits at 4100,2800.
void Frmantmultigamma::cmdchiamabobine_Click() {
    openCoilForm(*this, CoilCall{.coilTop = kCoilFormTop, .callerMovesAside = true});
}

}  // namespace ondalab
