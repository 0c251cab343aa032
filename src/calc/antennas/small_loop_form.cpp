#include "calc/antennas/small_loop_form.h"

#include <array>
#include <cctype>
#include <string>

#include "calc/antennas/small_loop.h"
#include "common/layout.h"
#include "common/schematic.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

using small_loop::Shape;

// Option1(i) chooses kShapes[i]; the summary line names it by its caption
// in upper case.
constexpr std::array<Shape, 3> kShapes = {Shape::Circular, Shape::Octagonal, Shape::Square};
constexpr std::array<const char*, 3> kShapeCaptions = {
    TR("ondalab", "Circolare"), TR("ondalab", "Ottagonale"), TR("ondalab", "Quadrata")};

constexpr Mask kTwo = "#,##0.##";
constexpr Mask kTwoWide = "##,##0.##";

// A result: its fixed caption on the left, the value in a box on the right.
struct Result {
    const char* caption;
    const char* captionText;
    const char* tooltip;
    const char* label;
    double small_loop::Results::*value;
    const Mask* mask;  // nullptr: general text
};

const std::array<Result, 12> kResults = {{
    {"Label4", TR("ondalab", "Resistenza di radiazione"), "", "lblRR", &small_loop::Results::radiation,
     nullptr},
    {"Label6", TR("ondalab", "Perdita del conduttore in rame"), "", "lblRL", &small_loop::Results::loss,
     nullptr},
    {"Label8", TR("ondalab", "Percentuale di efficienza     %"), "", "lblE", &small_loop::Results::efficiency,
     &kTwo},
    {"Label10", TR("ondalab", "Induttanza del loop in Henry"), "", "lblL", &small_loop::Results::inductance,
     nullptr},
    {"Label12", TR("ondalab", "Reattanza induttiva in ohm"), "", "lblXL", &small_loop::Results::reactance,
     &kTwo},
    {"Label14", TR("ondalab", "Condensatore di sintonia in pF"), "", "lblCT", &small_loop::Results::tuning,
     &kTwo},
    {"Label16", TR("ondalab", "Condensatore d'accoppiamento"), TR("ondalab", "clicca su info condensatore"),
     "lblCC", &small_loop::Results::coupling, &kTwo},
    {"Label18", TR("ondalab", "fattore di merito Q"), "", "lblQ", &small_loop::Results::q, &kTwoWide},
    {"Label20", TR("ondalab", "Banda passante in Khz"), "", "lblDF", &small_loop::Results::bandwidth,
     &kTwoWide},
    {"Label22", TR("ondalab", "Tensione al condensatore in Volt."), "", "lblVC",
     &small_loop::Results::voltage, &kTwoWide},
    {"Label7", TR("ondalab", "Efficienza in DB"), "", "lblDB", &small_loop::Results::efficiencyDb, &kTwo},
    {"Label11", TR("ondalab", "Capacità distribuita del Loop"), "", "lblCD",
     &small_loop::Results::distributed, &kTwo},
}};

// The buttons, left to right; none of them shows on the print-out.
constexpr std::array<std::array<const char*, 3>, 5> kButtons = {{
    {"cmdcalcola", TR("ondalab", "&CALCOLA"), ""},
    {"cdmcondensatore", TR("ondalab", "Info condensatore"), TR("ondalab", "accoppiamento capacitivo")},
    {"cmdinfo", TR("ondalab", "I N F O"), ""},
    {"cmdstampa", TR("ondalab", "Stampa"), TR("ondalab", "stampa dei dati ottenuti")},
    {"cmdExit", TR("ondalab", "CHIUDI"), ""},
}};

constexpr int kButtonsTop = 7080;
constexpr int kResultsLeft = 5200;       // the results end within a 1024-pixel screen's form
constexpr Point kSummary = {500, 1000};  // the summary line takes the shape frame's place
constexpr int kAreaGap = 200;            // between the summary text and the area

ControlSpec label(const char* name, Rect r, const char* text = "") {
    return {.kind = ControlKind::Label, .name = name, .rect = r, .text = text};
}

ControlSpec result(const char* name, Rect r) { return resultLabel(name, r, {.fore = colors::darkBlue}); }

std::vector<ControlSpec> loopControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    c.push_back({.kind = K::Label,
                 .name = "Label1",
                 .rect = {250, 180, 8500, 480},
                 .text = TR("ondalab", " ANTENNE A LOOP   calcolo dei parametri   principali "),
                 .fore = colors::darkBlue,
                 .font = {.points = 14, .bold = true}});
    c.push_back({.kind = K::Label,
                 .name = "Label9",
                 .rect = {8880, 300, 1800, 260},
                 .text = TR("ondalab", "Q0 QQQ  Vers. 2. "),
                 .font = {.points = 7, .italic = true}});

    c.push_back({.kind = K::Frame,
                 .name = "fraforma",
                 .rect = {250, 840, 4800, 600},
                 .text = TR("ondalab", "Forma del loop"),
                 .tooltip = TR("ondalab", "scegli la forma")});
    for (size_t i = 0; i < kShapeCaptions.size(); ++i)
        c.push_back({.kind = K::Option,
                     .name = indexed("Option1", i),
                     .rect = {450 + static_cast<int>(i) * 1500, 1080, 1400, 300},
                     .text = kShapeCaptions[i],
                     .group = "fraforma"});
    c.push_back({.kind = K::Label,
                 .name = "lblfantasma",
                 .rect = {kSummary.x, kSummary.y, 5400, 300},
                 .visible = false,
                 .font = {.bold = true}});
    c.push_back(
        {.kind = K::Label, .name = "lblarea", .rect = {6100, 1000, 2400, 300}, .font = {.bold = true}});

    c.push_back({.kind = K::Frame,
                 .name = "fraInserimento",
                 .rect = {250, 1560, 4800, 2280},
                 .text = TR("ondalab", "Inserimento dati")});
    const auto row = [&c](const char* name, const char* caption, const char* tip, const char* box, int top) {
        addInputRow(c, {.label = name,
                        .caption = caption,
                        .box = box,
                        .top = top,
                        .labelLeft = 450,
                        .labelWidth = 2900,
                        .boxLeft = 3600,
                        .boxWidth = 1300,
                        .labelTooltip = tip});  // the caption carries the tooltip
    };
    row("lbldiametro", TR("ondalab", "diametro o lato in cm."),
        TR("ondalab", "diametro del cerchio o lato del poligono"), "txtdiametro", 1920);
    row("lblsezione", TR("ondalab", "sezione in mm"), TR("ondalab", "sezione del tubo del loop"),
        "txtsezione", 2400);
    row("lblmhz", TR("ondalab", "MHz"), TR("ondalab", "frequenza di lavoro prevista"), "txtmhz", 2880);
    row("lblwatt", TR("ondalab", "potenza in Watt"), TR("ondalab", "massima potenza prevista"), "txtwatt",
        3360);

    c.push_back(label("Label2", {250, 4125, 3200, 300}, TR("ondalab", "Lunghezza del loop in cm.")));
    c.push_back(result("lbllunghezza", {3600, 4080, 1300, 330}));
    c.push_back(label("lblpiedi", {250, 4605, 3200, 300}, TR("ondalab", "lung. in piedi : ")));
    c.back().visible = false;
    c.push_back(result("Label3", {3600, 4560, 1300, 330}));
    c.push_back(label("lblpollici", {250, 5085, 3200, 300}, TR("ondalab", "Sez.in pollici :")));
    c.back().visible = false;
    c.push_back(result("Label5", {3600, 5040, 1300, 330}));

    for (size_t i = 0; i < kResults.size(); ++i) {
        const Result& r = kResults[i];
        const int top = 1560 + static_cast<int>(i) * 420;
        c.push_back(label(r.caption, {kResultsLeft, top + 45, 2900, 300}, r.captionText));
        c.back().tooltip = r.tooltip;
        c.push_back(result(r.label, {kResultsLeft + 3000, top, 2500, 330}));
    }

    for (size_t i = 0; i < kButtons.size(); ++i)
        c.push_back({.kind = K::Button,
                     .name = kButtons[i][0],
                     .rect = {250 + static_cast<int>(i) * 2100, kButtonsTop, 1900, 480},
                     .text = kButtons[i][1],
                     .tooltip = kButtons[i][2]});
    // in the buttons' place on the print-out
    c.push_back({.kind = K::Label,
                 .name = "lbldata",
                 .rect = {250, kButtonsTop + 90, 7200, 330},
                 .visible = false,
                 .font = {.points = 10, .bold = true}});
    return c;
}

std::string upper(std::string s) {
    for (char& ch : s) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return s;
}

}  // namespace

Frmloop::Frmloop(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("ondalab", "Antenne a loop di piccola dimensione"),
            .rect = {0, 0, 13800, 9450},
            .faultFocus = "txtdiametro"},
           loopControls()),
      results_(ctls(kResults, &Result::label)) {
    onClick(ctl("cmdcalcola"), &Frmloop::cmdcalcola_Click);
    onClick(ctl("cmdstampa"), &Frmloop::cmdstampa_Click);
    onClick(ctl("cmdinfo"), &Frmloop::cmdinfo_Click);
    onClick(ctl("cdmcondensatore"), &Frmloop::cdmcondensatore_Click);
    onClick(ctl("cmdExit"), &Frmloop::cmdExit_Click);
}

// Three quarters of the screen's width less 600, seven eighths of its
// height, centred; the shape frame and the input frame stand where the
// table puts them and the labels of the result layout start hidden.
void Frmloop::Form_Load() {
    const auto& screen = workbench().services().screen;
    resize(screen.widthTwips() * 3 / 4 - 600, screen.heightTwips() * 7 / 8);
    centre();
}

void Frmloop::cmdcalcola_Click() {
    // the result layout, kept until the form closes: the shape cannot change
    fraforma_.setVisible(false);
    for (Control* o : Option1_) o->setVisible(false);
    lblfantasma_.setVisible(true);
    lblfantasma_.move(kSummary.x, kSummary.y);
    size_t chosen = 0;
    while (chosen + 1 < Option1_.size() && !Option1_[chosen]->checked()) ++chosen;
    const Shape shape = kShapes[chosen];
    lblfantasma_.setText(
        compose(tr("ondalab", "ANTENNA LOOP DI FORMA %1 di area mq.: "), {upper(Option1_[chosen]->text())}));
    lblpiedi_.setVisible(true);
    lblpollici_.setVisible(true);

    const double size = num(txtdiametro_), tube = num(txtsezione_), f = num(txtmhz_), p = num(txtwatt_);
    if (!missingDataOk(size * tube * f * p, txtdiametro_)) return;

    // the later steps take the length as the form shows it, read back
    const std::string lengthText = general(small_loop::length(shape, size));
    const double area = small_loop::area(shape, size);
    const auto r = small_loop::solve(readRegional(lengthText, fmt()), area, tube, f, p);
    std::array<std::string, kResults.size()> texts;
    for (size_t i = 0; i < kResults.size(); ++i) {
        const double v = r.*kResults[i].value;
        texts[i] = kResults[i].mask ? masked(v, *kResults[i].mask) : general(v);
    }
    const std::string areaText = general(area), feet = general(r.feet), inches = general(r.inches);

    lbldiametro_.setText(shape == Shape::Circular ? tr("ondalab", "diametro in cm.")
                                                  : tr("ondalab", "lato in cm."));
    lbllunghezza_.setText(lengthText);
    const Rect& summary = lblfantasma_.rect();
    lblarea_.move(summary.left + summary.width + kAreaGap, summary.top);
    lblarea_.setText(areaText);
    Label3_.setText(feet);
    Label5_.setText(inches);
    for (size_t i = 0; i < results_.size(); ++i) results_[i]->setText(texts[i]);
}

// The print-out carries the date line in the buttons' place.
void Frmloop::cmdstampa_Click() {
    lbldata_.setText(compose(tr("ondalab", "STAMPA DEL %1"), {workbench().services().regional.shortDate()}));
    lbldata_.setVisible(true);
    std::vector<std::string> buttons;
    for (const auto& b : kButtons) buttons.emplace_back(b[0]);
    workbench().printForm(*this, buttons);
    lbldata_.setVisible(false);
}

void Frmloop::cmdinfo_Click() { workbench().show(Frminfoloop::kName, true); }

void Frmloop::cdmcondensatore_Click() { workbench().show(Frmhelpcondensatore::kName, true); }

// ---- frminfoloop ----

namespace {

// Our own cartoon: a man with a hammer raised over a computer.
Picture infoPicture() {
    constexpr Rgb skin = 0xF0C8A0, shirt = 0x3C64B4, case_ = 0xC8C8C0, screen = 0x284060, wood = 0x8B5A2B;
    schematic::Drawing d;
    // the computer on its desk
    d.rect({1300, 1300}, {2300, 2050}, true, case_).rect({1400, 1380}, {2200, 1950}, true, screen);
    d.rect({1650, 2050}, {1950, 2200}, true, case_).rect({1200, 2200}, {2400, 2300}, true, case_);
    d.pen(colors::white, 1).text({1500, 1550}, ":-(");
    d.pen(colors::black, 2).wire({900, 2300}, {2700, 2300});
    // the man, arm up, hammer over his head
    d.ellipse({350, 500}, {750, 900}, true, skin);
    d.rect({380, 900}, {720, 1700}, true, shirt);
    d.pen(colors::black, 3).wire({450, 1700}, {400, 2300}).wire({650, 1700}, {700, 2300});
    d.wire({720, 1000}, {950, 600}).wire({380, 1000}, {250, 1400});
    d.pen(wood, 4).wire({950, 600}, {1150, 250});
    d.pen(colors::black, 1).rect({1000, 100}, {1350, 300}, true, colors::grey);
    // the strike to come
    d.pen(colors::red, 1).arrow({1250, 400}, {1500, 1150});
    return d.picture();
}

std::vector<ControlSpec> infoControls() {
    using K = ControlKind;
    return {
        schematic::imageControl("Image1", {120, 240, 2800, 2500}, infoPicture()),
        {.kind = K::Label,
         .name = "Label1",
         .rect = {3120, 240, 4440, 1800},
         .text = TR("ondalab",
                    "I calcoli di questo programma si rifanno agli articoli sulle antenne a loop di piccola "
                    "dimensione "
                    "pubblicati nel corso degli anni da una rivista di radiotecnica."),
         .font = {.points = 10}},
        {.kind = K::Label,
         .name = "Label2",
         .rect = {3120, 2160, 4440, 300},
         .text = TR("ondalab", "Buoni collegamenti a tutti!   73 de Q0 QQQ"),
         .fore = colors::darkBlue,
         .font = {.italic = true}},
        {.kind = K::Button,
         .name = "cdmchiudi",
         .rect = {4500, 2880, 1680, 420},
         .text = TR("ondalab", "Chiudi")},
    };
}

}  // namespace

Frminfoloop::Frminfoloop(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("ondalab", "Informazioni"),
            .rect = {0, 0, 7930, 4320},
            .defaultButton = {}},
           infoControls()) {
    onClick(ctl("cdmchiudi"), &Frminfoloop::cdmchiudi_Click);
}

// Two fifths of the screen, 250 twips wider, centred.
void Frminfoloop::Form_Load() {
    const auto& screen = workbench().services().screen;
    resize(screen.widthTwips() * 2 / 5 + 250, screen.heightTwips() * 2 / 5);
    centre();
}

// ---- frmhelpcondensatore ----

Frmhelpcondensatore::Frmhelpcondensatore(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("ondalab", "Condensatore d'accoppiamento"),
            .rect = {0, 0, 5400, 2700},
            .defaultButton = {}},
           {{.kind = ControlKind::Label,
             .name = "Label1",
             .rect = {240, 240, 4800, 1200},
             .text =
                 TR("ondalab",
                    "Il condensatore di accoppiamento è quello previsto nell'ipotesi di accoppiamento della "
                    "linea "
                    "coassiale al loop  con il metodo capacitivo"),
             .font = {.points = 10}},
            {.kind = ControlKind::Button,
             .name = "cmdok",
             .rect = {1920, 1680, 1440, 420},
             .text = TR("ondalab", "O K")}}) {
    onClick(ctl("cmdok"), &Frmhelpcondensatore::cmdok_Click);
}

}  // namespace ondalab
