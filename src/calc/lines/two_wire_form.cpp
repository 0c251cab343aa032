#include "calc/lines/two_wire_form.h"

#include "calc/lines/two_wire.h"
#include "common/catalogue.h"
#include "common/layout.h"

namespace ondalab {

namespace {

constexpr Mask kWholeOhms = "#,##0";

std::vector<ControlSpec> twoWireControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    c.push_back(
        {.kind = K::Label,
         .name = "Label1",
         .rect = {240, 120, 7200, 1140},
         .text = TR("frmlineebifilari",
                    "Si tratta di realizzazioni estremamente critiche e pertanto universalmente non più "
                    "utilizzate. L'impedenza caratteristica è infatti notevolmente influenzata dalla "
                    "vicinanza di  muri ed altri oggetti. Le perdite di questo tipo di linea sono comunque "
                    "bassissime. Fissata la distanza e la sezione dei conduttori si può calcolare "
                    "teoricamente l'impedenza.")});
    addInputRow(c, {.label = "Label2",
                    .caption = TR("frmlineebifilari", "DISTANZA TRA GLI ASSI DEI CONDUTTORI in mm"),
                    .box = "txtdistanza",
                    .top = 1440,
                    .labelWidth = 4500,
                    .boxLeft = 4860});
    addInputRow(c, {.label = "Label3",
                    .caption = TR("frmlineebifilari", "DIAMETRO DEI CONDUTTORI in mm"),
                    .box = "txtdiametro",
                    .top = 1920,
                    .labelWidth = 4500,
                    .boxLeft = 4860});
    c.push_back({.kind = K::Button,
                 .name = "cmdcalcola",
                 .rect = {240, 2520, 1500, 420},
                 .text = TR("frmlineebifilari", "CALCOLA")});
    c.push_back({.kind = K::Button,
                 .name = "cdmesci",
                 .rect = {5940, 2520, 1500, 420},
                 .text = TR("frmlineebifilari", "C H I U D I")});
    c.push_back(resultLabel("lblimpedenza", {240, 3120, 7200, 330}, {.fore = colors::darkBlue}));
    return c;
}

}  // namespace

Frmlineebifilari::Frmlineebifilari(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmlineebifilari", "LINEE BIFILARI"),
            .rect = {0, 0, 7800, 4140},
            .faultFocus = "txtdistanza"},
           twoWireControls()) {
    onClick(ctl("cmdcalcola"), &Frmlineebifilari::cmdcalcola_Click);
    onClick(ctl("cdmesci"), &Frmlineebifilari::cdmesci_Click);
}

void Frmlineebifilari::cmdcalcola_Click() {
    const double distance = num(txtdistanza_), diameter = num(txtdiametro_);
    if (!missingDataOk(distance * diameter, txtdistanza_)) return;
    const std::string z = masked(two_wire::impedance(distance, diameter), kWholeOhms);
    lblimpedenza_.setText(compose(tr("frmlineebifilari", "IMPEDENZA =  %1  OHM"), {z}));
}

}  // namespace ondalab
