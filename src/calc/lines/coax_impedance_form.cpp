#include "calc/lines/coax_impedance_form.h"

#include "calc/lines/coax_impedance.h"
#include "common/catalogue.h"
#include "common/layout.h"
#include "common/schematic.h"

namespace ondalab {

namespace {

constexpr Mask kOhms = "#,##0.##";

// The line cut across: the outer conductor, the thin inner one and their
// two diameters, 2100 x 2100.
Picture crossSection() {
    schematic::Drawing d;
    d.pen(colors::darkBlue)
        .ellipse({300, 480}, {1800, 1980})
        .ellipse({930, 1110}, {1170, 1350}, true, colors::grey);
    d.pen(colors::blue, 1)
        .dimension({300, 360}, {1800, 360}, TR("frmimpedenza", "D"))
        .wire({300, 360}, {300, 1230})
        .wire({1800, 360}, {1800, 1230})
        .dimension({930, 1650}, {1170, 1650})
        .text({1260, 1540}, TR("frmimpedenza", "d"))
        .wire({930, 1230}, {930, 1650})
        .wire({1170, 1230}, {1170, 1650});
    return d.picture();
}

std::vector<ControlSpec> coaxControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    c.push_back(
        {.kind = K::Label,
         .name = "Label1",
         .rect = {240, 120, 7800, 300},
         .text = TR("frmimpedenza", "IMPEDENZA DI UNA LINEA COASSIALE NOTI I DIAMETRI DEI DUE CONDUTTORI"),
         .font = {.bold = true}});
    // the dielectric comes first in the focus order: "Aria" is chosen on opening
    c.push_back({.kind = K::Frame,
                 .name = "Frame1",
                 .rect = {240, 1980, 3300, 1680},
                 .text = TR("frmimpedenza", " Dielettrico ")});
    for (int i = 0; const char* caption :
                    {TR("frmimpedenza", "Aria"), TR("frmimpedenza", "Politene"),
                     TR("frmimpedenza", "Polietilene"), TR("frmimpedenza", "Polietilene spiralato")})
        c.push_back({.kind = K::Option,
                     .name = indexed("Option1", static_cast<size_t>(i)),
                     .rect = {420, 2280 + 330 * i++, 3000, 300},
                     .text = caption,
                     .group = "Frame1"});
    addInputRow(c, {.label = "lbld1",
                    .caption = TR("frmimpedenza", "DIAMETRO INTERNO DEL CONDUTTORE ESTERNO in mm. :"),
                    .box = "txtd1",
                    .top = 600,
                    .labelWidth = 5100,
                    .boxLeft = 5460});
    addInputRow(c, {.label = "lbld2",
                    .caption = TR("frmimpedenza", "DIAMETRO ESTERNO DEL CONDUTTORE INTERNO in mm. :"),
                    .box = "txtd2",
                    .top = 1080,
                    .labelWidth = 5100,
                    .boxLeft = 5460});
    c.push_back({.kind = K::Label,
                 .name = "Label2",
                 .rect = {240, 1560, 6000, 300},
                 .text = TR("frmimpedenza", "separare i decimali con il punto del tastierino numerico"),
                 .font = {.italic = true}});
    c.push_back(schematic::imageControl("Image1", {4800, 1920, 2100, 2100}, crossSection()));
    c.push_back({.kind = K::Button,
                 .name = "cmdcalcola",
                 .rect = {240, 4140, 1500, 420},
                 .text = TR("frmimpedenza", "CALCOLA")});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {6540, 4140, 1500, 420},
                 .text = TR("frmimpedenza", "E S C I")});
    c.push_back(resultLabel("lblimpedenza", {240, 4740, 7800, 330}, {.fore = colors::darkBlue}));
    return c;
}

}  // namespace

Frmimpedenza::Frmimpedenza(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmimpedenza", "IMPEDENZA DI UNA LINEA COASSIALE"),
            .rect = {0, 0, 8400, 5760},
            .faultFocus = "txtd1"},
           coaxControls()) {
    onClick(ctl("cmdcalcola"), &Frmimpedenza::cmdcalcola_Click);
    onClick(ctl("cmdesci"), &Frmimpedenza::cmdesci_Click);
}

void Frmimpedenza::cmdcalcola_Click() {
    const double outer = num(txtd1_), inner = num(txtd2_);
    if (!missingDataOk(outer * inner, txtd1_)) return;
    if (outer <= inner) {
        warnAndFocus(txtd1_, TR("frmimpedenza", "DIAMETRO ESTERNO TROPPO PICCOLO"));
        return;
    }
    for (size_t i = 0; i < options_.size(); ++i)
        if (options_[i]->checked()) k_ = coax_impedance::kDielectric[i];
    const std::string z = masked(coax_impedance::impedance(outer, inner, k_), kOhms);
    lblimpedenza_.setText(compose(tr("frmimpedenza", "L'IMPEDENZA E' DI  :  %1  OHM"), {z}));
}

}  // namespace ondalab
