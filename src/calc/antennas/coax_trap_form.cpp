#include "calc/antennas/coax_trap_form.h"

#include <string>

#include "app/info_windows.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

constexpr const char* kShortMask = "#0.##";
constexpr const char* kFrequencyMask = "#,##0.###";
constexpr const char* kInputTip = "usa TAB per spostarti";
constexpr const char* kInstructions =
    "Si impostano le frequenze di lavoro, il diametro del supporto bobina, e, per approssimazione, il numero "
    "delle "
    "spire.   La frequenza di risonanza della bobina dovrebbe coincidere con la frequenza di lavoro più "
    "alta, se da "
    "questa si discosta sensibilmente, occorre variare o il numero delle spire o il diametro del supporto. "
    "Inoltre il "
    "diametro della bobina dovrebbe essere superiore, anche del doppio, della lunghezza della bobina stessa.";

// The labels that appear with the first computation.
constexpr const char* kLateResults[] = {"lblfrequenza",  "lblrapporto",      "lbllunghezzaa",
                                        "lbllunghezzab", "lbllunghezzacavo", "lblcalza"};

// A trap coil seen from the side: a row of turns, in a 720 x 360 twip box.
Picture trapPicture() { return coilTurns(6, {20, 20}, {150, 340}, {110, 0}, colors::darkBlue); }

std::vector<ControlSpec> coaxControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    c.push_back({.kind = K::Label, .name = "Label1", .rect = {120, 120, 9240, 1080}});
    c.push_back({.kind = K::Frame,
                 .name = "Frame1",
                 .rect = {5400, 1260, 2400, 1260},
                 .text = "SELEZIONA UN TIPO DI CAVO"});
    c.push_back({.kind = K::Option,
                 .name = "Option1(0)",
                 .rect = {5580, 1620, 1050, 300},
                 .text = "RG 174U",
                 .group = "Frame1"});
    c.push_back({.kind = K::Option,
                 .name = "Option1(1)",
                 .rect = {5580, 2040, 1050, 300},
                 .text = "RG 58",
                 .group = "Frame1"});

    const auto input = [&c](const std::string& name, const std::string& label, const std::string& caption,
                            int top) {
        c.push_back({.kind = K::Label, .name = label, .rect = {120, top + 45, 3900, 300}, .text = caption});
        c.push_back({.kind = K::TextBox, .name = name, .rect = {4080, top, 1100, 360}, .tooltip = kInputTip});
    };
    input("txtf1", "lblf1", "FREQUENZA PIU' ALTA IN MHz", 1320);
    input("txtf2", "lblf2", "FREQUENZA PIU' BASSA IN MHz", 1800);
    input("txtdiametro", "lbldiametro", "DIAMETRO DEL SUPPORTO BOBINA in cm.", 2280);
    input("txtn", "lbln", "NUMERO SPIRE DELLA BOBINA IN CAVO COAX", 2760);

    c.push_back(
        {.kind = K::Button, .name = "cmdcalcola", .rect = {8040, 1320, 1300, 420}, .text = "CALCOLA"});
    c.push_back({.kind = K::Button, .name = "cmdavviso", .rect = {8040, 1860, 1300, 420}, .text = "AVVISO"});
    c.push_back({.kind = K::Button, .name = "cmdesci", .rect = {8040, 2400, 1300, 420}, .text = "E S C I"});

    // results
    const char* results[] = {"lblcap",        "lblimpedenza",  "lblfrequenza",    "lblrapporto",
                             "lbllunghezzaa", "lbllunghezzab", "lbllunghezzacavo"};
    for (int i = 0; i < 7; ++i)
        c.push_back({.kind = K::Label,
                     .name = results[i],
                     .rect = {120, 3360 + i * 390, 4700, 330},
                     .visible = i < 2,
                     .fore = colors::darkBlue,
                     .border = true});
    c.push_back({.kind = K::Label,
                 .name = "lblcalza",
                 .rect = {120, 6120, 4700, 450},
                 .text = "LA CALZA DEL CAVO COAX DEVE ESSERE COLLEGATA AL BRACCIO \"A\" DEL DIPOLO",
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
                 .text = "punto di alimentazione antenna"});
    c.push_back({.kind = K::Shape,
                 .name = "Shape1",
                 .rect = {feed - 60, y - 60, 120, 120},
                 .filled = true,
                 .round = true,
                 .back = colors::black});
    c.push_back(lineControl("Line1", feed, y + 60, feed, y + 900));
    c.push_back(lineControl("Line2", feed - 90, y + 60, feed - 90, y + 900));
    c.push_back({.kind = K::Label,
                 .name = "Label3",
                 .rect = {feed - 900, y + 600, 780, 280},
                 .text = "discesa",
                 .align = Align::Right});
    c.push_back(lineControl("Line3", feed, y, trap, y));
    c.push_back(
        {.kind = K::Image, .name = "Image1", .rect = {trap, y - 180, 720, 360}, .picture = trapPicture()});
    c.push_back({.kind = K::Label,
                 .name = "Label5",
                 .rect = {trap, y - 480, 900, 280},
                 .text = "bobina",
                 .tooltip = "trappola di blocco"});
    c.push_back(lineControl("Line4", trap + 720, y, end, y));
    // dimension lines: A up to the trap, B the whole arm
    c.push_back(lineControl("Line5", feed, y + 420, trap + 360, y + 420, colors::blue));
    c.push_back(lineControl("Line6", trap + 360, y + 300, trap + 360, y + 540, colors::blue));
    c.push_back({.kind = K::Label,
                 .name = "Label4",
                 .rect = {6000, y + 120, 600, 280},
                 .text = "  A",
                 .tooltip = "lungh.del tratto corispondente alla fr. più alta"});
    c.push_back(lineControl("Line7", feed, y + 1140, end, y + 1140, colors::blue));
    c.push_back(lineControl("Line8", end, y + 1020, end, y + 1260, colors::blue));
    c.push_back({.kind = K::Label,
                 .name = "Label6",
                 .rect = {7000, y + 1200, 600, 280},
                 .text = "  B",
                 .tooltip = "lungh.del radiatore vert. o del semidipolo"});
    return c;
}

}  // namespace

Frmantcoaxmulti::Frmantcoaxmulti(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = "ANTENNA MULTIGAMMA CON TRAPPOLE IN CAVO COASSIALE",
            .rect = {0, 0, 9600, 7000},
            .faultFocus = "txtf1"},
           coaxControls()) {
    onClick("Option1", &Frmantcoaxmulti::Option1_Click);
    onClick("cmdcalcola", &Frmantcoaxmulti::cmdcalcola_Click);
    onClick("cmdavviso", &Frmantcoaxmulti::cmdavviso_Click);
    onClick("cmdesci", &Frmantcoaxmulti::cmdesci_Click);
}

void Frmantcoaxmulti::Form_Load() { (*this)["Label1"].setText(kInstructions); }

void Frmantcoaxmulti::Option1_Click(int index) {
    cable_ = index == 0 ? coax_trap::kRG174U : coax_trap::kRG58;
}

void Frmantcoaxmulti::cmdcalcola_Click() {
    coax_trap::Inputs in{};
    in.high = num("txtf1");
    in.low = num("txtf2");
    in.diameter = num("txtdiametro");
    in.turns = num("txtn");
    if (in.high * in.low * in.diameter * in.turns <= 0) {  // a negative product is refused as well
        warning("MANCANO DATI");
        setFocus("txtf1");
        return;
    }
    const coax_trap::Results r = coax_trap::solve(in, cable_);
    const std::string texts[] = {
        "la capacità è pF: " + masked(r.capacitance, kShortMask),
        "L'impedenza è uH : " + masked(r.inductance, kShortMask),
        " LA BOBINA RISUONA A MHz: " + masked(r.resonance, kFrequencyMask),
        " IL RAPPORTO DIAMETRO/LUNGHEZZA E' = " + masked(r.ratio, kShortMask),
        " LA LUNGHEZZA DEL BRACCIO 'A' E' MT: " + masked(r.armA, kShortMask),
        " LA LUNGHEZZA DEL BRACCIO 'B' E' MT: " + masked(r.armB, kShortMask),
        " OCCORRONO cm. " + std::to_string(r.cableCm) + " DI CAVO COASSIALE",
    };
    const char* labels[] = {"lblcap",        "lblimpedenza",  "lblfrequenza",    "lblrapporto",
                            "lbllunghezzaa", "lbllunghezzab", "lbllunghezzacavo"};
    for (int i = 0; i < 7; ++i) (*this)[labels[i]].setText(texts[i]);
    for (const char* l : kLateResults) (*this)[l].setVisible(true);
}

void Frmantcoaxmulti::cmdavviso_Click() { showDisclaimer(*this); }

}  // namespace ondalab
