#include "calc/antennas/base_loaded_form.h"

#include "calc/antennas/base_loaded.h"
#include "calc/shared/disclaimer.h"
#include "common/layout.h"
#include "common/schematic.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

// The drawing spans the client area (the outer size is a safe bound).
constexpr int kSketchWidth = 9000;
constexpr int kSketchHeight = 6360;

constexpr Mask kResultMask = "#,##0.#";
constexpr Mask kRadiationMask = "##0.#";

// A loading coil drawn as a stack of turns, in a 420 x 600 twip box.
Picture coilPicture() {
    return schematic::Drawing().pen(colors::black).turns(6, {30, 20}, {390, 130}, {0, 90}).picture();
}

std::vector<ControlSpec> antAccControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    schematic::Drawing sketch;  // the wires of the drawing, in client twips
    const auto caption = [](std::string name, int top, std::string text, std::string tip = "") {
        return ControlSpec{.kind = K::Label,
                           .name = std::move(name),
                           .rect = {240, top + 45, 3000, 300},
                           .text = std::move(text),
                           .tooltip = std::move(tip)};
    };
    const auto box = [](std::string name, int top, std::string tip = "") {
        return ControlSpec{.kind = K::TextBox,
                           .name = std::move(name),
                           .rect = {3300, top, 1200, 360},
                           .tooltip = std::move(tip)};
    };
    c.push_back(caption("lbllunghezza", 240, TR("frmAntAcc", "Lunghezza del radiatore in mt."),
                        TR("frmAntAcc", "lunghezza dell'antenna che si prevede di adottare")));
    c.push_back(box("txtlunghezzarad", 240));
    c.push_back(caption("lbldiametro", 720, TR("frmAntAcc", "Diametro medio radiatore in cm.")));
    c.push_back(box("txtdiametrorad", 720));
    c.push_back({.kind = K::Frame,
                 .name = "frainserimento",
                 .rect = {120, 1200, 4560, 1320},
                 .text = TR("frmAntAcc", "Inserimento dati per calcolo numero spire")});
    c.push_back(caption("Label1", 1560, TR("frmAntAcc", "Lunghezza bobina in cm."),
                        TR("frmAntAcc", "è preferibile sia più lunga del diametro")));
    c.push_back(
        box("txtlunghezzabob", 1560,
            TR("frmAntAcc", "inserire dato compatibile con il diametro della bobina e la sez. del filo")));
    c.push_back(caption("Label2", 2040, TR("frmAntAcc", "Diametro bobina in cm.")));
    c.push_back(box(
        "txtdiametrobob", 2040,
        TR("frmAntAcc", "inserire dato compatibile con la lunghezza della bobina e la sezione del filo")));
    c.push_back(caption("lblfrequenza", 2700, TR("frmAntAcc", "Frequenza in MHz."),
                        TR("frmAntAcc", "frequenza di utilizzo dell'antenna")));
    c.push_back(box("txtfrequenza", 2700));

    // results, top to bottom
    const char* results[] = {"lblgradi",     "lblRR",         "lblimpedenza",
                             "lblreattanza", "lblinduttanza", "lblspire"};
    for (int i = 0; i < 6; ++i)
        c.push_back(resultLabel(results[i], {120, 3300 + i * 420, 4560, 330}, {.fore = colors::darkBlue}));

    const auto button = [](std::string name, int top, std::string text) {
        return ControlSpec{.kind = K::Button,
                           .name = std::move(name),
                           .rect = {5700, top, 2400, 420},
                           .text = std::move(text)};
    };
    c.push_back(button("cmdcalcola", 3480, TR("frmAntAcc", "CALCOLA")));
    c.push_back(button("cmdstampa", 4020, TR("frmAntAcc", "STAMPA")));
    c.push_back(button("cmdavviso", 4560, TR("frmAntAcc", "AVVISO")));
    c.push_back(button("cmdchiudi", 5100, TR("frmAntAcc", "E S C I")));

    // sketch: the radiator standing on the ground, fed through the coil at its base
    constexpr int x = 6900;
    sketch.pen(colors::black, 1).wire({x, 300}, {x, 1800});
    sketch.wire({x + 30, 300}, {x + 30, 1800});
    c.push_back(
        {.kind = K::Image, .name = "Image1", .rect = {x - 195, 1800, 420, 600}, .picture = coilPicture()});
    sketch.wire({x + 15, 2400}, {x + 15, 2640});
    sketch.ellipse({x - 45, 2640}, {x - 45 + 120, 2640 + 120}, true, colors::black);
    sketch.pen(colors::grey, 1).wire({x + 75, 2700}, {8400, 2700});  // the feed line
    sketch.pen(colors::black, 1).wire({5400, 3000}, {8400, 3000});   // the ground
    for (int i = 0; i < 7; ++i) sketch.wire({5520 + i * 420, 3000}, {5400 + i * 420, 3180});
    sketch.wire({x + 15, 2760}, {x + 15, 3000});
    c.push_back({.kind = K::Label,
                 .name = "Label3",
                 .rect = {x + 240, 900, 1500, 300},
                 .text = TR("frmAntAcc", "radiatore")});
    c.push_back({.kind = K::Label,
                 .name = "Label4",
                 .rect = {x + 360, 1950, 1500, 300},
                 .text = TR("frmAntAcc", "bobina di carico")});
    c.push_back({.kind = K::Label,
                 .name = "Label5",
                 .rect = {7500, 2430, 1200, 260},
                 .text = TR("frmAntAcc", "alimentazione")});
    c.push_back(schematic::imageControl("Sketch", {0, 0, kSketchWidth, kSketchHeight}, sketch.picture()));
    return c;
}

}  // namespace

FrmAntAcc::FrmAntAcc(Workbench& wb)
    : Form(
          wb,
          {.name = kName,
           .caption = TR("frmAntAcc", "Radiatore accorciato con carico induttivo nel punto di alimentazione"),
           .rect = {0, 0, 9000, 6360},
           .faultFocus = "txtlunghezzarad"},
          antAccControls()) {
    onClick(cmdcalcola_, &FrmAntAcc::cmdcalcola_Click);
    onClick(cmdstampa_, &FrmAntAcc::cmdstampa_Click);
    onClick(cmdavviso_, &FrmAntAcc::cmdavviso_Click);
    onClick(cmdchiudi_, &FrmAntAcc::cmdchiudi_Click);
}

void FrmAntAcc::cmdcalcola_Click() {
    base_loaded::Inputs in{};
    in.frequency = num(txtfrequenza_);
    in.radius = base_loaded::radiusFromDiameter(num(txtdiametrorad_));
    in.coilDiameter = num(txtdiametrobob_);
    in.coilLength = num(txtlunghezzabob_);
    in.height = num(txtlunghezzarad_);
    if (!missingDataOk(in.frequency * in.radius * in.height * in.coilDiameter * in.coilLength,
                       txtlunghezzarad_))
        return;
    if (base_loaded::needsNoCoil(in.height, in.frequency)) {
        warnAndFocus(txtlunghezzarad_, TR("frmAntAcc", "L'ANTENNA NON RICHIEDE BOBINA"), kNoticeTitle);
        return;
    }
    const base_loaded::Results r = base_loaded::solve(in);
    // the radiation resistance keeps one decimal, held in single precision
    const double radiation = toSingle(roundThrough(r.radiation, kRadiationMask));
    const double turns = base_loaded::turns(in.coilLength, in.coilDiameter, r.inductance);

    const std::string texts[] = {
        compose(tr("frmAntAcc", "Gradi elettrici : %1"), {masked(r.degrees, kResultMask)}),
        compose(tr("frmAntAcc", "Resistenza di radiazione Ohm : %1"), {shortT(radiation)}),
        compose(tr("frmAntAcc", "Impedenza del radiatore Ohm : %1"), {masked(r.impedance, kResultMask)}),
        compose(tr("frmAntAcc", "Reattanza induttiva Ohm : %1"), {masked(r.reactance, kResultMask)}),
        compose(tr("frmAntAcc", "Induttanza bobina microH : %1"), {masked(r.inductance, kResultMask)}),
        compose(tr("frmAntAcc", "numero spire occorrenti : %1"), {masked(turns, kResultMask)}),
    };
    for (size_t i = 0; i < results_.size(); ++i) results_[i]->setText(texts[i]);
}

// The form prints as it stands, nothing hidden.
void FrmAntAcc::cmdstampa_Click() { workbench().printForm(*this, {}); }

void FrmAntAcc::cmdavviso_Click() { showDisclaimer(*this); }

}  // namespace ondalab
