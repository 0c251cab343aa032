#include "calc/antennas/coax_trap_form.h"

#include <string>

#include "calc/shared/disclaimer.h"
#include "common/layout.h"
#include "common/schematic.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

// The drawing spans the client area (the outer size is a safe bound).
constexpr int kSketchWidth = 9600;
constexpr int kSketchHeight = 7000;

constexpr Mask kShortMask = "#0.##";
constexpr Mask kFrequencyMask = "#,##0.###";
constexpr const char* kInputTip = TR("frmantcoaxmulti", "usa TAB per spostarti");
constexpr const char* kInstructions = TR(
    "frmantcoaxmulti",
    "Si impostano le frequenze di lavoro, il diametro del supporto bobina, e, per approssimazione, il numero "
    "delle "
    "spire.   La frequenza di risonanza della bobina dovrebbe coincidere con la frequenza di lavoro più "
    "alta, se da "
    "questa si discosta sensibilmente, occorre variare o il numero delle spire o il diametro del supporto. "
    "Inoltre il "
    "diametro della bobina dovrebbe essere superiore, anche del doppio, della lunghezza della bobina "
    "stessa.");

// A trap coil seen from the side: a row of turns, in a 720 x 360 twip box.
Picture trapPicture() {
    return schematic::Drawing().pen(colors::darkBlue).turns(6, {20, 20}, {150, 340}, {110, 0}).picture();
}

std::vector<ControlSpec> coaxControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    schematic::Drawing sketch;  // the wires of the drawing, in client twips
    c.push_back({.kind = K::Label, .name = "Label1", .rect = {120, 120, 9240, 1080}});
    c.push_back({.kind = K::Frame,
                 .name = "Frame1",
                 .rect = {5400, 1260, 2400, 1260},
                 .text = TR("frmantcoaxmulti", "SELEZIONA UN TIPO DI CAVO")});
    c.push_back({.kind = K::Option,
                 .name = "Option1(0)",
                 .rect = {5580, 1620, 1050, 300},
                 .text = TR("frmantcoaxmulti", "RG 174U"),
                 .group = "Frame1"});
    c.push_back({.kind = K::Option,
                 .name = "Option1(1)",
                 .rect = {5580, 2040, 1050, 300},
                 .text = TR("frmantcoaxmulti", "RG 58"),
                 .group = "Frame1"});

    addInputRow(c, {.label = "lblf1",
                    .caption = TR("frmantcoaxmulti", "FREQUENZA PIU' ALTA IN MHz"),
                    .box = "txtf1",
                    .top = 1320,
                    .labelLeft = 120,
                    .labelWidth = 3900,
                    .boxLeft = 4080,
                    .boxWidth = 1100,
                    .tooltip = kInputTip});
    addInputRow(c, {.label = "lblf2",
                    .caption = TR("frmantcoaxmulti", "FREQUENZA PIU' BASSA IN MHz"),
                    .box = "txtf2",
                    .top = 1800,
                    .labelLeft = 120,
                    .labelWidth = 3900,
                    .boxLeft = 4080,
                    .boxWidth = 1100,
                    .tooltip = kInputTip});
    addInputRow(c, {.label = "lbldiametro",
                    .caption = TR("frmantcoaxmulti", "DIAMETRO DEL SUPPORTO BOBINA in cm."),
                    .box = "txtdiametro",
                    .top = 2280,
                    .labelLeft = 120,
                    .labelWidth = 3900,
                    .boxLeft = 4080,
                    .boxWidth = 1100,
                    .tooltip = kInputTip});
    addInputRow(c, {.label = "lbln",
                    .caption = TR("frmantcoaxmulti", "NUMERO SPIRE DELLA BOBINA IN CAVO COAX"),
                    .box = "txtn",
                    .top = 2760,
                    .labelLeft = 120,
                    .labelWidth = 3900,
                    .boxLeft = 4080,
                    .boxWidth = 1100,
                    .tooltip = kInputTip});

    c.push_back({.kind = K::Button,
                 .name = "cmdcalcola",
                 .rect = {8040, 1320, 1300, 420},
                 .text = TR("frmantcoaxmulti", "CALCOLA")});
    c.push_back({.kind = K::Button,
                 .name = "cmdavviso",
                 .rect = {8040, 1860, 1300, 420},
                 .text = TR("frmantcoaxmulti", "AVVISO")});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {8040, 2400, 1300, 420},
                 .text = TR("frmantcoaxmulti", "E S C I")});

    // results
    const char* results[] = {"lblcap",        "lblimpedenza",  "lblfrequenza",    "lblrapporto",
                             "lbllunghezzaa", "lbllunghezzab", "lbllunghezzacavo"};
    for (int i = 0; i < 7; ++i)
        c.push_back(resultLabel(results[i], {120, 3360 + i * 390, 4700, 330},
                                {.fore = colors::darkBlue, .visible = i < 2}));
    c.push_back({.kind = K::Label,
                 .name = "lblcalza",
                 .rect = {120, 6120, 4700, 450},
                 .text = TR("frmantcoaxmulti",
                            "LA CALZA DEL CAVO COAX DEVE ESSERE COLLEGATA AL BRACCIO \"A\" DEL DIPOLO"),
                 .visible = false,
                 .fore = colors::red});

    // sketch: one arm from the feed point, section A, the trap, the rest of the arm
    constexpr int y = 4500;
    constexpr int feed = 5300;
    constexpr int trap = 7200;
    constexpr int end = 9200;
    c.push_back({.kind = K::Label,
                 .name = "Label2",
                 .rect = {5100, 3480, 2400, 480},
                 .text = TR("frmantcoaxmulti", "punto di alimentazione antenna")});
    sketch.pen(colors::black, 1)
        .ellipse({feed - 60, y - 60}, {feed - 60 + 120, y - 60 + 120}, true, colors::black);
    sketch.wire({feed, y + 60}, {feed, y + 900});
    sketch.wire({feed - 90, y + 60}, {feed - 90, y + 900});
    c.push_back({.kind = K::Label,
                 .name = "Label3",
                 .rect = {feed - 900, y + 600, 780, 280},
                 .text = TR("frmantcoaxmulti", "discesa"),
                 .align = Align::Right});
    sketch.wire({feed, y}, {trap, y});
    c.push_back(
        {.kind = K::Image, .name = "Image1", .rect = {trap, y - 180, 720, 360}, .picture = trapPicture()});
    c.push_back({.kind = K::Label,
                 .name = "Label5",
                 .rect = {trap, y - 480, 900, 280},
                 .text = TR("frmantcoaxmulti", "bobina"),
                 .tooltip = TR("frmantcoaxmulti", "trappola di blocco")});
    sketch.wire({trap + 720, y}, {end, y});
    // dimension lines: A up to the trap, B the whole arm
    sketch.pen(colors::blue, 1).wire({feed, y + 420}, {trap + 360, y + 420});
    sketch.wire({trap + 360, y + 300}, {trap + 360, y + 540});
    c.push_back({.kind = K::Label,
                 .name = "Label4",
                 .rect = {6000, y + 120, 600, 280},
                 .text = TR("frmantcoaxmulti", "  A"),
                 .tooltip = TR("frmantcoaxmulti", "lungh.del tratto corispondente alla fr. più alta")});
    sketch.wire({feed, y + 1140}, {end, y + 1140});
    sketch.wire({end, y + 1020}, {end, y + 1260});
    c.push_back({.kind = K::Label,
                 .name = "Label6",
                 .rect = {7000, y + 1200, 600, 280},
                 .text = TR("frmantcoaxmulti", "  B"),
                 .tooltip = TR("frmantcoaxmulti", "lungh.del radiatore vert. o del semidipolo")});
    c.push_back(schematic::imageControl("Sketch", {0, 0, kSketchWidth, kSketchHeight}, sketch.picture()));
    return c;
}

}  // namespace

Frmantcoaxmulti::Frmantcoaxmulti(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmantcoaxmulti", "ANTENNA MULTIGAMMA CON TRAPPOLE IN CAVO COASSIALE"),
            .rect = {0, 0, 9600, 7000},
            .faultFocus = "txtf1"},
           coaxControls()) {
    onClick("Option1", &Frmantcoaxmulti::Option1_Click);
    onClick(cmdcalcola_, &Frmantcoaxmulti::cmdcalcola_Click);
    onClick(cmdavviso_, &Frmantcoaxmulti::cmdavviso_Click);
    onClick(cmdesci_, &Frmantcoaxmulti::cmdesci_Click);
}

void Frmantcoaxmulti::Form_Load() { Label1_.setText(tr(kName, kInstructions)); }

void Frmantcoaxmulti::Option1_Click(int index) {
    cable_ = index == 0 ? coax_trap::kRG174U : coax_trap::kRG58;
}

void Frmantcoaxmulti::cmdcalcola_Click() {
    coax_trap::Inputs in{};
    in.high = num(txtf1_);
    in.low = num(txtf2_);
    in.diameter = num(txtdiametro_);
    in.turns = num(txtn_);
    if (!missingDataOk(in.high * in.low * in.diameter * in.turns, txtf1_, Negative::Refused)) return;
    const coax_trap::Results r = coax_trap::solve(in, cable_);
    const std::string texts[] = {
        compose(tr("frmantcoaxmulti", "la capacità è pF: %1"), {masked(r.capacitance, kShortMask)}),
        compose(tr("frmantcoaxmulti", "L'impedenza è uH : %1"), {masked(r.inductance, kShortMask)}),
        compose(tr("frmantcoaxmulti", " LA BOBINA RISUONA A MHz: %1"), {masked(r.resonance, kFrequencyMask)}),
        compose(tr("frmantcoaxmulti", " IL RAPPORTO DIAMETRO/LUNGHEZZA E' = %1"),
                {masked(r.ratio, kShortMask)}),
        compose(tr("frmantcoaxmulti", " LA LUNGHEZZA DEL BRACCIO 'A' E' MT: %1"),
                {masked(r.armA, kShortMask)}),
        compose(tr("frmantcoaxmulti", " LA LUNGHEZZA DEL BRACCIO 'B' E' MT: %1"),
                {masked(r.armB, kShortMask)}),
        compose(tr("frmantcoaxmulti", " OCCORRONO cm. %1 DI CAVO COASSIALE"), {std::to_string(r.cableCm)}),
    };
    for (size_t i = 0; i < results_.size(); ++i) results_[i]->setText(texts[i]);
    for (Control* l : lateResults_) l->setVisible(true);
}

void Frmantcoaxmulti::cmdavviso_Click() { showDisclaimer(*this); }

}  // namespace ondalab
