#include "calc/lc/uhf_coil_form.h"

#include "calc/lc/uhf_coil.h"
#include "common/fault.h"

namespace ondalab {

namespace {

constexpr const char* kResultMask = "#,##0.###";

std::vector<ControlSpec> bobineUhfControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    c.push_back({.kind = K::Label,
                 .name = "Label1",
                 .rect = {240, 120, 5760, 720},
                 .text =
                     "Nel campo delle UHF possono essere realizzati induttori costituiti da un conduttore "
                     "parallelo al piano di terra cui sono collegati ad un estremo",
                 .font = {.points = 9}});
    c.push_back(
        {.kind = K::Frame, .name = "Frame1", .rect = {240, 960, 5760, 1860}, .text = "Inserimento dati"});
    const char* captions[] = {"Diametro del conduttore in mm.", "Lunghezza del conduttore in mm.",
                              "Distanza dal piano di terra in mm."};
    const char* boxes[] = {"txtdiametro", "txtlunghezza", "txtdistanza"};
    for (int i = 0; i < 3; ++i) {
        const int top = 1320 + i * 480;
        c.push_back({.kind = K::Label,
                     .name = indexed("Label2", i),
                     .rect = {420, top + 45, 3300, 300},
                     .text = captions[i]});
        c.push_back({.kind = K::TextBox, .name = boxes[i], .rect = {3960, top, 1800, 360}});
    }
    c.push_back({.kind = K::Label,
                 .name = "lblinduttanza",
                 .rect = {240, 3000, 5760, 360},
                 .font = {.points = 9, .bold = true},
                 .border = true});
    c.push_back(
        {.kind = K::Button, .name = "ccmdcalcola", .rect = {1080, 3600, 1600, 450}, .text = "CALCOLA"});
    c.push_back({.kind = K::Button, .name = "cmdesci", .rect = {3600, 3600, 1600, 450}, .text = "E S C I"});
    return c;
}

}  // namespace

Frmbobineuhf::Frmbobineuhf(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = "Bobine adatte per  uso in UHF",
            .rect = {0, 0, 6360, 4650},
            .faultFocus = "txtdiametro"},
           bobineUhfControls()) {
    onClick("ccmdcalcola", &Frmbobineuhf::ccmdcalcola_Click);
    onClick("cmdesci", &Frmbobineuhf::cmdesci_Click);
}

void Frmbobineuhf::ccmdcalcola_Click() {
    const double d = num("txtdiametro");
    const double l = num("txtlunghezza");
    const double h = finite(toSingle(num("txtdistanza")));  // the distance is held in single precision
    // the distance takes no part in the check
    if (!missingDataOk(d * l, "txtdiametro")) return;
    const double microhenry = uhf_coil::inductance(d, l, h);
    (*this)["lblinduttanza"].setText("Induttanza in microH : = " + masked(microhenry, kResultMask));
}

}  // namespace ondalab
