#include "calc/lc/uhf_coil_form.h"

#include "calc/lc/uhf_coil.h"
#include "common/catalogue.h"
#include "common/fault.h"
#include "common/layout.h"

namespace ondalab {

namespace {

constexpr Mask kResultMask = "#,##0.###";

std::vector<ControlSpec> bobineUhfControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    c.push_back(
        {.kind = K::Label,
         .name = "Label1",
         .rect = {240, 120, 5760, 720},
         .text = TR("frmbobineuhf",
                    "Nel campo delle UHF possono essere realizzati induttori costituiti da un conduttore "
                    "parallelo al piano di terra cui sono collegati ad un estremo"),
         .font = {.points = 9}});
    c.push_back({.kind = K::Frame,
                 .name = "Frame1",
                 .rect = {240, 960, 5760, 1860},
                 .text = TR("frmbobineuhf", "Inserimento dati")});
    const char* captions[] = {TR("frmbobineuhf", "Diametro del conduttore in mm."),
                              TR("frmbobineuhf", "Lunghezza del conduttore in mm."),
                              TR("frmbobineuhf", "Distanza dal piano di terra in mm.")};
    const char* boxes[] = {"txtdiametro", "txtlunghezza", "txtdistanza"};
    for (int i = 0; i < 3; ++i)
        addInputRow(c, {.label = indexed("Label2", i),
                        .caption = captions[i],
                        .box = boxes[i],
                        .top = 1320 + i * 480,
                        .labelLeft = 420,
                        .boxLeft = 3960,
                        .boxWidth = 1800});
    c.push_back(resultLabel("lblinduttanza", {240, 3000, 5760, 360}, {.font = {.points = 9, .bold = true}}));
    c.push_back({.kind = K::Button,
                 .name = "ccmdcalcola",
                 .rect = {1080, 3600, 1600, 450},
                 .text = TR("frmbobineuhf", "CALCOLA")});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {3600, 3600, 1600, 450},
                 .text = TR("frmbobineuhf", "E S C I")});
    return c;
}

}  // namespace

Frmbobineuhf::Frmbobineuhf(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmbobineuhf", "Bobine adatte per  uso in UHF"),
            .rect = {0, 0, 6360, 4650},
            .faultFocus = "txtdiametro",
            .defaultButton = "ccmdcalcola"},
           bobineUhfControls()) {
    onClick(ctl("ccmdcalcola"), &Frmbobineuhf::ccmdcalcola_Click);
    onClick(ctl("cmdesci"), &Frmbobineuhf::cmdesci_Click);
}

void Frmbobineuhf::ccmdcalcola_Click() {
    const double d = num(txtdiametro_);
    const double l = num(txtlunghezza_);
    const double h = finite(toSingle(num(txtdistanza_)));  // the distance is held in single precision
    // the distance takes no part in the check
    if (!missingDataOk(d * l, txtdiametro_)) return;
    const double microhenry = uhf_coil::inductance(d, l, h);
    lblinduttanza_.setText(
        compose(tr("frmbobineuhf", "Induttanza in microH : = %1"), {masked(microhenry, kResultMask)}));
}

}  // namespace ondalab
