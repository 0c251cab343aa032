#include "calc/capacitors/plate_form.h"

#include <array>

#include "calc/capacitors/plate.h"
#include "common/catalogue.h"
#include "common/layout.h"

namespace ondalab {

namespace {

struct Dielectric {
    const char* caption;
    double k;
};

const std::array<Dielectric, 5> kDielectrics = {{
    {TR("frmcostruzionecondensatori", "ARIA"), plate::kAir},
    {TR("frmcostruzionecondensatori", "MICA"), plate::kMica},
    {TR("frmcostruzionecondensatori", "CELLULOIDE"), plate::kCelluloid},
    {TR("frmcostruzionecondensatori", "CERAMICA"), plate::kCeramic},
    {TR("frmcostruzionecondensatori", "VETRONITE"), plate::kGlassEpoxy},
}};

std::vector<ControlSpec> plateControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    // the dielectric comes first in the focus order: air is chosen on opening
    c.push_back({.kind = K::Frame,
                 .name = "frame1",
                 .rect = {240, 2280, 2400, 2280},
                 .text = TR("frmcostruzionecondensatori", "DIELETTRICO"),
                 .tooltip = TR("frmcostruzionecondensatori", "valore della costante dielettrica")});
    for (size_t i = 0; i < kDielectrics.size(); ++i)
        c.push_back({.kind = K::Option,
                     .name = indexed("Option1", i),
                     .rect = {480, 2580 + static_cast<int>(i) * 380, 1900, 300},
                     .text = kDielectrics[i].caption,
                     .group = "frame1"});
    c.push_back(
        {.kind = K::Label,
         .name = "Label1",
         .rect = {240, 120, 8400, 900},
         .text =
             TR("frmcostruzionecondensatori",
                "E' ormai raro che ci si debba cimentare nella costruzione di condensatori, sia fissi che "
                "variabili.  Tuttavia può essere a volte necessario, per esempio nell'ipotesi di "
                "realizzazione di antenne EH o trappolate. Conoscendo la superficie e la distanza delle "
                "armature si può calcolare la capacità ."),
         .fore = colors::darkBlue});
    addInputRow(c, {.label = "Label2",
                    .caption = TR("frmcostruzionecondensatori",
                                  "SUPERFICIE DELL'ARMATURA, OSSIA SEZIONE DEL DIELETTRICO   in cmq"),
                    .box = "txtsuperficie",
                    .top = 1140,
                    .labelWidth = 6500,
                    .boxLeft = 6900,
                    .boxWidth = 1300,
                    .tooltip = TR("frmcostruzionecondensatori", "in centimetri quadri")});
    addInputRow(c, {.label = "Label3",
                    .caption = TR("frmcostruzionecondensatori",
                                  "DISTANZA DELLE ARMATURE, OSSIA SPESSORE DEL DIELETTRICO   in mm"),
                    .box = "txtdistanza",
                    .top = 1620,
                    .labelWidth = 6500,
                    .boxLeft = 6900,
                    .boxWidth = 1300,
                    .tooltip = TR("frmcostruzionecondensatori", "in millimetri")});
    c.push_back({.kind = K::Button,
                 .name = "cmdcalcola",
                 .rect = {3000, 2400, 1800, 450},
                 .text = TR("frmcostruzionecondensatori", "CALCOLA")});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {5200, 2400, 1800, 450},
                 .text = TR("frmcostruzionecondensatori", "E S C I")});
    c.push_back(
        {.kind = K::Label, .name = "lblcapacità", .rect = {3000, 3050, 5600, 300}, .font = {.bold = true}});
    c.push_back({.kind = K::Frame,
                 .name = "Frame2",
                 .rect = {3000, 3520, 5600, 1040},
                 .text = TR("frmcostruzionecondensatori", "Tensione di scarica teorica in aria (secca)")});
    const auto row = [&](const char* name, const char* text, int left, int top, int width) {
        c.push_back({.kind = K::Label, .name = name, .rect = {left, top, width, 260}, .text = text});
    };
    row("Label4", TR("frmcostruzionecondensatori", "Tensione di scarica"), 3120, 3820, 1700);
    row("Label6", TR("frmcostruzionecondensatori", "1800 V  3000 V  3500 V  4000 V  5000 V"), 4900, 3820,
        3600);
    row("Label5", TR("frmcostruzionecondensatori", "Spaziatura in mm"), 3120, 4180, 1700);
    row("Label7", "1,3    1,8      2     2,5    3,5  ", 4900, 4180, 3600);
    return c;
}

}  // namespace

Frmcostruzionecondensatori::Frmcostruzionecondensatori(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmcostruzionecondensatori", "COSTRUZIONE CONDENSATORI"),
            .rect = {0, 0, 8880, 5130},
            .faultFocus = "txtsuperficie"},
           plateControls()) {
    onClick("Option1", &Frmcostruzionecondensatori::Option1_Click);
    onClick(ctl("cmdcalcola"), &Frmcostruzionecondensatori::cmdcalcola_Click);
    onClick(ctl("cmdesci"), &Frmcostruzionecondensatori::cmdesci_Click);
}

void Frmcostruzionecondensatori::Option1_Click(int index) { k_ = kDielectrics[static_cast<size_t>(index)].k; }

void Frmcostruzionecondensatori::cmdcalcola_Click() {
    const double s = num(txtsuperficie_), d = num(txtdistanza_);
    if (!missingDataOk(s * d, txtsuperficie_, Negative::Refused)) return;
    const std::string pf = shortT(plate::capacitance(k_, s, d));
    lblcapacita_.setText(
        compose(tr("frmcostruzionecondensatori", "LA CAPACITA' DEL CONDENSATORE E' CIRCA : %1  pF"), {pf}));
}

}  // namespace ondalab
