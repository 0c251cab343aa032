#include "app/info_forms.h"

#include "app/forms.h"
#include "app/help_form.h"
#include "common/schematic.h"
#include "common/workbench.h"

namespace ondalab {

void registerInfoWindows(FormRegistry& registry) {
    registry.add<Frmabaut>();
    registry.add<Frmavvertenza>();
    registry.add<Frmguida>();
}

namespace {

// "Leggimi": 7320 wide, centred across the screen, its client area starting
// 2460 twips below the top of the screen.
constexpr int kAboutWidth = 7320;
constexpr int kAboutHeight = 4500;
constexpr int kAboutClientTop = 2460;

// Our own picture for the information window: a small vertical antenna on a
// box of a transceiver, with its waves, on a pale sky.
Picture aboutPicture() {
    constexpr Rgb sky = 0xE4EEF8, steel = 0x505A64, wave = 0x7FA7D9, panel = 0x3C4650, dial = 0xF0C040;
    schematic::Drawing d;
    d.pen(steel).rect({0, 0}, {1800, 2000}, true, sky);
    d.pen(wave);
    for (int r = 300; r <= 900; r += 300) d.ellipse({900 - r, 500 - r}, {900 + r, 500 + r});
    d.pen(steel, 2).wire({900, 200}, {900, 1350});                                   // the whip
    d.pen(steel, 1).wire({900, 1000}, {650, 1350}).wire({900, 1000}, {1150, 1350});  // its radials
    d.pen(panel).rect({250, 1350}, {1550, 1850}, true, panel);                       // the set
    d.pen(dial).ellipse({380, 1450}, {680, 1750}, true, dial);
    for (int x = 850; x <= 1350; x += 250) d.rect({x, 1550}, {x + 150, 1650}, true, dial);
    return d.picture();
}

std::vector<ControlSpec> aboutControls() {
    using K = ControlKind;
    return {
        {.kind = K::Image, .name = "Picture1", .rect = {120, 120, 1800, 2000}, .picture = aboutPicture()},
        {.kind = K::Label,
         .name = "Label4",
         .rect = {2200, 200, 4800, 500},
         .text = TR("ondalab", "ONDALAB"),
         .fore = colors::darkBlue,
         .font = {.serif = true, .points = 18, .bold = true},
         .align = Align::Center},
        {.kind = K::Label,
         .name = "Label5",
         .rect = {2200, 850, 4800, 500},
         .text = TR("ondalab", "Raccolta di calcoli per radioamatori e hobbisti di elettronica"),
         .align = Align::Center},
        {.kind = K::Label,
         .name = "Label6",
         .rect = {2200, 1450, 4800, 600},
         .text = TR(
             "ondalab",
             "Programma di libero uso, senza alcuna garanzia: l'autore non risponde dell'uso dei risultati."),
         .align = Align::Center},
        {.kind = K::Label,
         .name = "Label2",
         .rect = {2200, 2250, 2300, 300},
         .text = TR("ondalab", "VERSIONE 2.4.1")},
        {.kind = K::Label,
         .name = "Label3",
         .rect = {4700, 2250, 2300, 300},
         .text = TR("ondalab", "Q0QQQ  4/2002"),
         .align = Align::Right},
        {.kind = K::Label,
         .name = "Label1",
         .rect = {120, 2700, 6960, 700},
         .text = TR("ondalab",
                    "In ogni maschera i decimali devono essere separati dalle unità dal punto del tastierino "
                    "numerico; "
                    "il sistema è risultato molto più pratico e veloce rispetto l'uso della virgola."),
         .font = {.bold = true}},
        {.kind = K::Button,
         .name = "cmdchiudi",
         .rect = {2760, 3550, 1600, 450},
         .text = TR("ondalab", "CHIUDI")},
    };
}

std::vector<ControlSpec> disclaimerControls() {
    using K = ControlKind;
    return {
        {.kind = K::Label,
         .name = "Label1",
         .rect = {240, 240, 5640, 1900},
         .text =
             TR("ondalab",
                "Le formule utilizzate sono quelle riportate sui vari testi e/o articoli sull'argomento. I "
                "risultati "
                "ottenuti, sono in ogni caso da considerare come indicativi, in quanto, a prescindere "
                "dall'esattezza "
                "delle formule stesse, troppi fattori, anche imprevedibili, fanno si che l'attuazione "
                "pratica si "
                "discosti dal calcolo teorico.  Esso rimane, tuttavia, indispensabile quale dato di "
                "partenza ai fini "
                "della realizzazione."),
         .font = {.points = 9},
         .align = Align::Center},
        {.kind = K::Button,
         .name = "cmdchiudi",
         .rect = {2260, 2350, 1600, 450},
         .text = TR("ondalab", "CHIUDI")},
    };
}

}  // namespace

Frmabaut::Frmabaut(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("ondalab", "Informazioni"),
            .rect = {0, kAboutClientTop - kCaptionTwips, kAboutWidth, kAboutHeight},
            .centred = false,  // the load step centres it across the screen only
            .defaultButton = {},
            .helpPage = false},  // it is the program's own readme
           aboutControls()) {
    onClick(cmdchiudi_, &Frmabaut::cmdchiudi_Click);
}

void Frmabaut::Form_Load() {
    resize(kAboutWidth, rect().height);
    move((workbench().services().screen.widthTwips() - kAboutWidth) / 2, rect().top);
}

Frmavvertenza::Frmavvertenza(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("ondalab", "AVVERTENZA"),
            .rect = {0, 0, 6240, 3400},
            .defaultButton = {}},
           disclaimerControls()) {
    onClick(cmdchiudi_, &Frmavvertenza::cmdchiudi_Click);
}

}  // namespace ondalab
