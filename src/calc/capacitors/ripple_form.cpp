#include "calc/capacitors/ripple_form.h"

#include "calc/capacitors/ripple.h"
#include "common/catalogue.h"
#include "common/layout.h"
#include "common/schematic.h"

namespace ondalab {

namespace {

// The window the load step gives the form (its design is taller).
constexpr int kWidth = 8595;
constexpr int kHeight = 5200;
constexpr Rect kImage = {120, 2760, 4700, 1150};

// A diode bridge fed with AC on its left and right corners, its DC output
// from the top (+) and bottom corners to the smoothing capacitor.
Picture bridgeSketch() {
    schematic::Drawing d;
    const Point top{900, 80}, right{1400, 580}, bottom{900, 1080}, left{400, 580};
    d.diode(left, top).diode(right, top).diode(bottom, left).diode(bottom, right);
    d.wire(left, {200, 580}).ellipse({140, 520}, {260, 640});
    d.wire(right, {1600, 580}).ellipse({1600, 520}, {1720, 640});
    d.wire(top, {3300, 80}).wire(bottom, {3300, 1080});
    d.capacitor({2500, 80}, {2500, 1080}, "").node({2500, 80}).node({2500, 1080});
    d.ellipse({3300, 20}, {3420, 140}).ellipse({3300, 1020}, {3420, 1140});
    d.text({3000, 100}, "+");
    return d.picture();
}

std::vector<ControlSpec> rippleControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    c.push_back(
        {.kind = K::Label,
         .name = "Label1",
         .rect = {120, 60, 4800, 1680},
         .text =
             TR("frmripple",
                "L'ondulazione residua (RIPPLE) presente all'uscita di un ponte raddrizzatore, aumenta con "
                "il crescere della corrente e può essere ridotta aumentando la capacità del condensatore "
                "elettrolitico di livellamento. Una capacità troppo elevata è tuttavia causa di una elevata "
                "corrente in fase di accensione dell'alimentatore, con possibile danno per i diodi se non "
                "sono di potenza adeguata.")});
    c.push_back(
        {.kind = K::Label,
         .name = "Label2",
         .rect = {120, 1740, 4800, 1050},
         .text =
             TR("frmripple",
                "La situazione ottimale è pertanto quella che prevede un dimensionamento dell'elettrolitico "
                "tale da ridurre il ripple a valori accettabili, senza danneggiare i diodi. Fissata la "
                "percentuale di ripple, si ricava il valore del condensatore.")});
    const InputRow rows[] = {
        {.label = "Label6",
         .caption = TR("frmripple", "PERCENTUALE DI RIPPLE PREVISTA :"),
         .box = "txtpercentuale",
         .top = 150,
         .tooltip = TR("frmripple", "inserisci percentuale "),
         .text = "2"},
        {.label = "Label7",
         .caption = TR("frmripple", "TENSIONE CC ALL'USCITA DEL PONTE"),
         .box = "txtvolt",
         .top = 750,
         .tooltip = TR("frmripple", "inserisci Volt"),
         .text = "18"},
        {.label = "lblcorrente",
         .caption = TR("frmripple", "CORRENTE IN AMPERE :"),
         .box = "txtcorrente",
         .top = 1350,
         .tooltip = TR("frmripple", "massima corrente prevista")},
    };
    for (InputRow row : rows) {
        row.labelLeft = 5100;
        row.labelWidth = 2250;
        row.boxLeft = 7450;
        row.boxWidth = 900;
        addInputRow(c, row);
        c.end()[-2].rect.height = 480;  // the longer captions take two lines
    }
    c.push_back(
        {.kind = K::Label,
         .name = "Label8",
         .rect = {5100, 2000, 3250, 700},
         .text =
             TR("frmripple",
                "il RIPPLE è definito come il rapporto tra il valore efficace della componente alternata e "
                "la componente continua"),
         .fore = colors::darkBlue,
         .font = {.italic = true}});
    c.push_back({.kind = K::Button,
                 .name = "cmdcalcola",
                 .rect = {5300, 2950, 1400, 450},
                 .text = TR("frmripple", "CALCOLA")});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {6900, 2950, 1400, 450},
                 .text = TR("frmripple", "E S C I")});
    c.push_back(schematic::imageControl("Image1", kImage, bridgeSketch()));
    const SketchCaptions onSketch{.controls = c, .sketch = kImage, .height = 250, .font = {.bold = true}};
    onSketch("Label3", TR("frmripple", "AC"), 60, 180, 400);
    onSketch("Label4", TR("frmripple", "C"), 2750, 330, 250);
    onSketch("lblC", "", 2750, 600, 1000);
    onSketch("Label5", TR("frmripple", "CC"), 3550, 330, 450);
    onSketch("lblV", "", 3550, 600, 1100);
    for (int i = 0; const char* name : {"lblVeff", "lblVp", "lblVpp", "lblelettrolitico"})
        c.push_back({.kind = K::Label,
                     .name = name,
                     .rect = {240, 3930 + 225 * i++, 6000, 225},
                     .visible = false,
                     .font = {.bold = true}});
    return c;
}

}  // namespace

Frmripple::Frmripple(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmripple", "Dimensionamento del condensatore anti ripple"),
            .rect = {0, 0, kWidth, 5700},
            .faultFocus = "txtpercentuale"},
           rippleControls()) {
    onClick(ctl("cmdcalcola"), &Frmripple::cmdcalcola_Click);
    onClick(ctl("cmdesci"), &Frmripple::cmdesci_Click);
}

void Frmripple::Form_Load() {
    resize(kWidth, kHeight);
    centre();
}

void Frmripple::cmdcalcola_Click() {
    const double p = num(txtpercentuale_), v = num(txtvolt_), i = num(txtcorrente_);
    if (!missingDataOk(v * i, txtpercentuale_)) return;  // the percentage takes no part
    const ripple::Ripple r = ripple::solve(p, v, i);
    const std::string rms = masked(r.rms, ripple::kVoltsMask);
    const std::string peak = masked(r.peak, ripple::kVoltsMask);
    const std::string peakToPeak = masked(r.peakToPeak, ripple::kVoltsMask);
    const std::string volts = general(v), microfarad = shortT(r.microfarad);
    lblV_.setText(volts);
    lblC_.setText(microfarad);
    lblVeff_.setText(compose(tr("frmripple", "VOLT EFFICACI DEL RIPPLE = %1"), {rms}));
    lblVp_.setText(compose(tr("frmripple", "VOLT DI PICCO DEL RIPPLE = %1"), {peak}));
    lblVpp_.setText(compose(tr("frmripple", "VOLT PICCO-PICCO DEL RIPPLE = %1"), {peakToPeak}));
    lblelettrolitico_.setText(compose(tr("frmripple", "CAPACITA' IN microFarad : %1"), {microfarad}));
    for (Control* line : {&lblVeff_, &lblVp_, &lblVpp_, &lblelettrolitico_}) line->setVisible(true);
}

}  // namespace ondalab
