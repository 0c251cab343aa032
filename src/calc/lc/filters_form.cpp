#include "calc/lc/filters_form.h"

#include "calc/lc/coil_opener.h"
#include "common/fault.h"
#include "common/schematic.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

using filters::Cell;
using filters::Pass;

const FilterTexts kLowPass = {
    .name = Frmpassabasso::kName,
    .caption = "FILTRI PASSA BASSO",
    .piTitle = "filtro a PI- GRECO",
    .tTitle = "filtro a T",
    .frequency = "FREQUENZA DI TAGLIO IN MHz :",
    .impedance = "IMPEDENZA (di solito = 50 ohm)",
    .note =
        "L'attenuazione teorica è di 24 dB x ottava.Qualora l'attenuazione di una singola cella non fosse "
        "sufficiente, occorrerà collegare in serie due o più celle.",
    .titleAt = {1200, 720},
};

const FilterTexts kHighPass = {
    .name = Frmpassaalto::kName,
    .caption = "FILTRI PASSA ALTO",
    .piTitle = "FILTRO a P-GRECO",
    .tTitle = "FILTRO a T",
    .frequency = "FREQUENZA DI TAGLIO IN MHz",
    .impedance = "IMPEDENZA (di solito = 50 Ohm)",
    .note =
        "L'attenuazione teorica è di 24 db x ottava. Qualora l'attenuazione di una singola cella non fosse "
        "sufficiente, occorrerà collegare in serie due o più celle.",
    .titleAt = {940, 640},
};

constexpr Point kPicturePlace = {240, 840};  // where the chosen cell's picture stands
constexpr int kPictureWidth = 3700;
constexpr int kPictureHeight = 2100;
constexpr int kRightPictureLeft = 4900;
constexpr const char* kInductanceMask = "#,##0.##";
constexpr const char* kCapacitanceMask = "#,##0.#";

// A filter cell between an input and an output pair of terminals: the top
// rail carries the series parts, the shunt parts go down to the ground rail.
Picture cellSketch(Pass pass, Cell cell) {
    constexpr int top = 700, bottom = 1750, left = 200, right = 3500;
    schematic::Drawing d;
    const auto series = [&](int x1, int x2) {
        if (pass == Pass::Low)
            d.coil({x1, top}, {x2, top});
        else
            d.capacitor({x1, top}, {x2, top});
    };
    const auto shunt = [&](int x) {
        d.node({x, top});
        d.node({x, bottom});
        if (pass == Pass::Low) {
            d.capacitor({x, top}, {x, bottom});
        } else {
            d.wire({x, top}, {x, top + 150});
            d.coil({x, top + 150}, {x, bottom - 150});
            d.wire({x, bottom - 150}, {x, bottom});
        }
    };
    if (cell == Cell::Pi) {  // shunt, series, shunt
        d.wire({left, top}, {1300, top});
        series(1300, 2400);
        d.wire({2400, top}, {right, top});
        shunt(800);
        shunt(2900);
    } else {  // series, shunt, series
        d.wire({left, top}, {500, top});
        series(500, 1450);
        d.wire({1450, top}, {2250, top});
        series(2250, 3200);
        d.wire({3200, top}, {right, top});
        shunt(1850);
    }
    d.wire({left, bottom}, {right, bottom});
    for (const int x : {left, right}) {
        d.ellipse({x - 50, top - 50}, {x + 50, top + 50}, true, colors::white);
        d.ellipse({x - 50, bottom - 50}, {x + 50, bottom + 50}, true, colors::white);
    }
    d.ground({(left + right) / 2, bottom + 120});
    d.text({left - 100, bottom + 200}, "ingresso");
    d.text({right - 500, bottom + 200}, "uscita");
    return d.picture();
}

std::vector<ControlSpec> filterControls(Pass pass, const FilterTexts& t) {
    using K = ControlKind;
    const Point tRight = {kRightPictureLeft + (t.titleAt.x - kPicturePlace.x), t.titleAt.y};
    return {
        {.kind = K::Label,
         .name = "lblistruzione",
         .rect = {240, 180, 8800, 360},
         .text = "PER I CALCOLI CLICCA SUL TIPO DI FILTRO PRESCELTO",
         .fore = colors::red,
         .font = {.bold = true},
         .align = Align::Center},
        {.kind = K::Image,
         .name = "Image1",
         .rect = {kPicturePlace.x, kPicturePlace.y, kPictureWidth, kPictureHeight},
         .tooltip = "clicca su di me",
         .picture = cellSketch(pass, Cell::Pi)},
        {.kind = K::Label,
         .name = "lblpigreco",
         .rect = {t.titleAt.x, t.titleAt.y, 2400, 300},
         .text = t.piTitle,
         .tooltip = "clicca sul circuito",
         .fore = colors::blue,
         .font = {.bold = true}},
        {.kind = K::Image,
         .name = "Image2",
         .rect = {kRightPictureLeft, kPicturePlace.y, kPictureWidth, kPictureHeight},
         .tooltip = "clicca su di me",
         .picture = cellSketch(pass, Cell::T)},
        {.kind = K::Label,
         .name = "lblT",
         .rect = {tRight.x, tRight.y, 2400, 300},
         .text = t.tTitle,
         .tooltip = "clicca sul circuito",
         .fore = colors::blue,
         .font = {.bold = true}},
        // the data-entry controls wait, hidden, under the pictures until a cell is chosen
        {.kind = K::Label, .name = "lblfrequenza", .rect = {240, 3000, 2560, 500}, .text = t.frequency},
        {.kind = K::TextBox, .name = "txtfrequenza", .rect = {2900, 3000, 1500, 360}},
        {.kind = K::Label, .name = "lblimpedenza", .rect = {4600, 3000, 2560, 500}, .text = t.impedance},
        {.kind = K::TextBox, .name = "txtimpedenza", .rect = {7260, 3000, 1500, 360}, .text = "50"},
        {.kind = K::Label, .name = "lblinduttanza", .rect = {240, 3500, 5000, 330}, .border = true},
        {.kind = K::Label, .name = "lblcapacità", .rect = {4600, 3500, 4600, 330}, .border = true},
        {.kind = K::Label,
         .name = "lblnota",
         .rect = {240, 3450, 8900, 620},
         .text = t.note,
         .fore = colors::darkBlue},
        {.kind = K::Button, .name = "cmdcalcola", .rect = {600, 4200, 2200, 450}, .text = "CALCOLA"},
        {.kind = K::Button,
         .name = "cmdbobine",
         .rect = {3150, 4200, 3000, 450},
         .text = "DATI COSTRUZIONE BOBINE"},
        {.kind = K::Button, .name = "cmdesci", .rect = {6500, 4200, 2200, 450}, .text = "E S C I"},
    };
}

}  // namespace

FilterForm::FilterForm(Workbench& wb, Pass pass, const FilterTexts& texts)
    : Form(wb,
           {.name = texts.name,
            .caption = texts.caption,
            .rect = {0, 0, 9480, 5200},
            .faultFocus = "txtfrequenza"},
           filterControls(pass, texts)),
      pass_(pass),
      titleAt_(texts.titleAt) {
    onClick("Image1", &FilterForm::Image1_Click);
    onClick("Image2", &FilterForm::Image2_Click);
    onClick("cmdcalcola", &FilterForm::cmdcalcola_Click);
    onClick("cmdbobine", &FilterForm::cmdbobine_Click);
    onClick("cmdesci", &FilterForm::cmdesci_Click);
}

void FilterForm::Form_Load() {
    // the choice state: both pictures and the instruction; the exit button stays
    (*this)["lblistruzione"].setVisible(true);
    for (const char* name : {"lblfrequenza", "lblimpedenza", "txtfrequenza", "txtimpedenza", "lblinduttanza",
                             "lblcapacità", "cmdcalcola", "cmdbobine", "lblnota"})
        (*this)[name].setVisible(false);
}

void FilterForm::Image1_Click() {
    (*this)["Image1"].setVisible(true);
    (*this)["Image2"].setVisible(false);
    (*this)["lblpigreco"].setVisible(true);
    (*this)["lblT"].setVisible(false);
    (*this)["lblistruzione"].setVisible(false);
    showDataEntry();
    (*this)["Image1"].setTooltip("");
    setFocus("txtfrequenza");
}

void FilterForm::Image2_Click() {
    (*this)["Image2"].setVisible(true);
    (*this)["Image1"].setVisible(false);
    (*this)["lblT"].setVisible(true);
    (*this)["lblpigreco"].setVisible(false);
    (*this)["lblistruzione"].setVisible(false);
    (*this)["Image2"].move(kPicturePlace.x, kPicturePlace.y);  // into the place of the pi picture
    (*this)["lblT"].move(titleAt_.x, titleAt_.y);
    showDataEntry();
    (*this)["Image2"].setTooltip("");
    setFocus("txtfrequenza");
}

void FilterForm::showDataEntry() {
    (*this)["lblfrequenza"].move(4180, 1020);
    (*this)["lblimpedenza"].move(4180, 1700);
    (*this)["txtfrequenza"].move(6800, 850);
    (*this)["txtimpedenza"].move(6800, 1550);
    for (const char* name :
         {"lblfrequenza", "lblimpedenza", "txtfrequenza", "txtimpedenza", "cmdcalcola", "cmdbobine"})
        (*this)[name].setVisible(true);
}

void FilterForm::cmdcalcola_Click() {
    const double f = num("txtfrequenza");
    const double z = num("txtimpedenza");
    if (!missingDataOk(f * z, "txtfrequenza")) return;
    const Cell cell = (*this)["Image1"].visible() ? Cell::Pi : Cell::T;
    const auto v = filters::design(pass_, cell, f, z);
    const std::string l = masked(v.microhenry, kInductanceMask);
    // the capacitance goes through one decimal and back, held in single precision
    const double c = finite(toSingle(roundThrough(v.picofarad, kCapacitanceMask)));
    const std::string cText = shortT(c);
    Control& lLabel = (*this)["lblinduttanza"];
    Control& cLabel = (*this)["lblcapacità"];
    lLabel.move(4180, 2300);
    cLabel.move(4180, 2900);
    lLabel.setVisible(true);
    cLabel.setVisible(true);
    lLabel.setText("INDUTTANZA in microHENRY di L : " + l);
    cLabel.setText("CAPACITA' in picoFARAD di C : " + cText);
    (*this)["lblnota"].setVisible(true);
}

void FilterForm::cmdbobine_Click() {
    openCoilForm(*this, {.coilTop = kCoilFormTop, .callerMovesAside = true});
}

Frmpassabasso::Frmpassabasso(Workbench& wb) : FilterForm(wb, Pass::Low, kLowPass) {}

Frmpassaalto::Frmpassaalto(Workbench& wb) : FilterForm(wb, Pass::High, kHighPass) {}

}  // namespace ondalab
