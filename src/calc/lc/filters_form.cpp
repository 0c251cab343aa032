#include "calc/lc/filters_form.h"

#include "calc/lc/coil_opener.h"
#include "common/fault.h"
#include "common/layout.h"
#include "common/schematic.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

using filters::Cell;
using filters::Pass;

const FilterTexts kLowPass = {
    .name = Frmpassabasso::kName,
    .caption = TR("ondalab", "FILTRI PASSA BASSO"),
    .piTitle = TR("ondalab", "filtro a PI- GRECO"),
    .tTitle = TR("ondalab", "filtro a T"),
    .frequency = TR("ondalab", "FREQUENZA DI TAGLIO IN MHz :"),
    .impedance = TR("ondalab", "IMPEDENZA (di solito = 50 ohm)"),
    .note =
        TR("ondalab",
           "L'attenuazione teorica è di 24 dB x ottava.Qualora l'attenuazione di una singola cella non fosse "
           "sufficiente, occorrerà collegare in serie due o più celle."),
    .titleAt = {1200, 720},
};

const FilterTexts kHighPass = {
    .name = Frmpassaalto::kName,
    .caption = TR("ondalab", "FILTRI PASSA ALTO"),
    .piTitle = TR("ondalab", "FILTRO a P-GRECO"),
    .tTitle = TR("ondalab", "FILTRO a T"),
    .frequency = TR("ondalab", "FREQUENZA DI TAGLIO IN MHz"),
    .impedance = TR("ondalab", "IMPEDENZA (di solito = 50 Ohm)"),
    .note = TR(
        "ondalab",
        "L'attenuazione teorica è di 24 db x ottava. Qualora l'attenuazione di una singola cella non fosse "
        "sufficiente, occorrerà collegare in serie due o più celle."),
    .titleAt = {940, 640},
};

constexpr Point kPicturePlace = {240, 840};  // where the chosen cell's picture stands
constexpr int kPictureWidth = 3700;
constexpr int kPictureHeight = 2100;
constexpr int kRightPictureLeft = 4900;
constexpr Mask kInductanceMask = "#,##0.##";
constexpr Mask kCapacitanceMask = "#,##0.#";

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
    d.text({left - 100, bottom + 200}, TR("ondalab", "ingresso"));
    d.text({right - 500, bottom + 200}, TR("ondalab", "uscita"));
    return d.picture();
}

// A cell's picture, which the user clicks to choose that cell.
ControlSpec cellImage(std::string name, int left, Picture cell) {
    ControlSpec c = schematic::imageControl(
        std::move(name), {left, kPicturePlace.y, kPictureWidth, kPictureHeight}, std::move(cell));
    c.tooltip = TR("ondalab", "clicca su di me");
    c.clickable = true;  // the cell is chosen by clicking it, or from the keyboard
    return c;
}

std::vector<ControlSpec> filterControls(Pass pass, const FilterTexts& t) {
    using K = ControlKind;
    const Point tRight = {kRightPictureLeft + (t.titleAt.x - kPicturePlace.x), t.titleAt.y};
    return {
        {.kind = K::Label,
         .name = "lblistruzione",
         .rect = {240, 180, 8800, 360},
         .text = TR("ondalab", "PER I CALCOLI CLICCA SUL TIPO DI FILTRO PRESCELTO"),
         .fore = colors::red,
         .font = {.bold = true},
         .align = Align::Center},
        cellImage("Image1", kPicturePlace.x, cellSketch(pass, Cell::Pi)),
        {.kind = K::Label,
         .name = "lblpigreco",
         .rect = {t.titleAt.x, t.titleAt.y, 2400, 300},
         .text = t.piTitle,
         .tooltip = TR("ondalab", "clicca sul circuito"),
         .fore = colors::blue,
         .font = {.bold = true}},
        cellImage("Image2", kRightPictureLeft, cellSketch(pass, Cell::T)),
        {.kind = K::Label,
         .name = "lblT",
         .rect = {tRight.x, tRight.y, 2400, 300},
         .text = t.tTitle,
         .tooltip = TR("ondalab", "clicca sul circuito"),
         .fore = colors::blue,
         .font = {.bold = true}},
        // the data-entry controls wait, hidden, under the pictures until a cell is chosen
        {.kind = K::Label, .name = "lblfrequenza", .rect = {240, 3000, 2560, 500}, .text = t.frequency},
        {.kind = K::TextBox, .name = "txtfrequenza", .rect = {2900, 3000, 1500, 360}},
        {.kind = K::Label, .name = "lblimpedenza", .rect = {4600, 3000, 2560, 500}, .text = t.impedance},
        {.kind = K::TextBox, .name = "txtimpedenza", .rect = {7260, 3000, 1500, 360}, .text = "50"},
        resultLabel("lblinduttanza", {240, 3500, 5000, 330}),
        resultLabel("lblcapacità", {4600, 3500, 4600, 330}),
        {.kind = K::Label,
         .name = "lblnota",
         .rect = {240, 3450, 8900, 620},
         .text = t.note,
         .fore = colors::darkBlue},
        {.kind = K::Button,
         .name = "cmdcalcola",
         .rect = {600, 4200, 2200, 450},
         .text = TR("ondalab", "CALCOLA")},
        {.kind = K::Button,
         .name = "cmdbobine",
         .rect = {3150, 4200, 3000, 450},
         .text = TR("ondalab", "DATI COSTRUZIONE BOBINE")},
        {.kind = K::Button,
         .name = "cmdesci",
         .rect = {6500, 4200, 2200, 450},
         .text = TR("ondalab", "E S C I")},
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
    onClick(image1_, &FilterForm::Image1_Click);
    onClick(image2_, &FilterForm::Image2_Click);
    onClick(cmdcalcola_, &FilterForm::cmdcalcola_Click);
    onClick(cmdbobine_, &FilterForm::cmdbobine_Click);
    onClick(ctl("cmdesci"), &FilterForm::cmdesci_Click);
}

void FilterForm::Form_Load() {
    // the choice state: both pictures and the instruction; the exit button stays
    lblistruzione_.setVisible(true);
    for (Control* c : {&lblfrequenza_, &lblimpedenza_, &txtfrequenza_, &txtimpedenza_, &lblinduttanza_,
                       &lblcapacita_, &cmdcalcola_, &cmdbobine_, &lblnota_})
        c->setVisible(false);
}

void FilterForm::Image1_Click() {
    image1_.setVisible(true);
    image2_.setVisible(false);
    lblpigreco_.setVisible(true);
    lblT_.setVisible(false);
    lblistruzione_.setVisible(false);
    showDataEntry();
    image1_.setTooltip("");
    setFocus(txtfrequenza_);
}

void FilterForm::Image2_Click() {
    image2_.setVisible(true);
    image1_.setVisible(false);
    lblT_.setVisible(true);
    lblpigreco_.setVisible(false);
    lblistruzione_.setVisible(false);
    image2_.move(kPicturePlace.x, kPicturePlace.y);  // into the place of the pi picture
    lblT_.move(titleAt_.x, titleAt_.y);
    showDataEntry();
    image2_.setTooltip("");
    setFocus(txtfrequenza_);
}

void FilterForm::showDataEntry() {
    lblfrequenza_.move(4180, 1020);
    lblimpedenza_.move(4180, 1700);
    txtfrequenza_.move(6800, 850);
    txtimpedenza_.move(6800, 1550);
    for (Control* c :
         {&lblfrequenza_, &lblimpedenza_, &txtfrequenza_, &txtimpedenza_, &cmdcalcola_, &cmdbobine_})
        c->setVisible(true);
}

void FilterForm::cmdcalcola_Click() {
    const double f = num(txtfrequenza_);
    const double z = num(txtimpedenza_);
    if (!missingDataOk(f * z, txtfrequenza_)) return;
    const Cell cell = image1_.visible() ? Cell::Pi : Cell::T;
    const auto v = filters::design(pass_, cell, f, z);
    const std::string l = masked(v.microhenry, kInductanceMask);
    // the capacitance goes through one decimal and back, held in single precision
    const double c = finite(toSingle(roundThrough(v.picofarad, kCapacitanceMask)));
    const std::string cText = shortT(c);
    lblinduttanza_.move(4180, 2300);
    lblcapacita_.move(4180, 2900);
    lblinduttanza_.setVisible(true);
    lblcapacita_.setVisible(true);
    lblinduttanza_.setText(compose(tr("ondalab", "INDUTTANZA in microHENRY di L : %1"), {l}));
    lblcapacita_.setText(compose(tr("ondalab", "CAPACITA' in picoFARAD di C : %1"), {cText}));
    lblnota_.setVisible(true);
}

void FilterForm::cmdbobine_Click() {
    openCoilForm(*this, {.coilTop = kCoilFormTop, .callerMovesAside = true});
}

Frmpassabasso::Frmpassabasso(Workbench& wb) : FilterForm(wb, Pass::Low, kLowPass) {}

Frmpassaalto::Frmpassaalto(Workbench& wb) : FilterForm(wb, Pass::High, kHighPass) {}

}  // namespace ondalab
