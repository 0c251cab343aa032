#include "calc/lc/bandpass_form.h"

#include "common/schematic.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

// Signal in, high-pass cell, low-pass cell, signal out.
Picture chainSketch() {
    schematic::Drawing d;
    d.wire({100, 400}, {800, 400});
    d.rect({800, 100}, {2900, 700}, true, 0xFFFFE0).text({1100, 280}, TR("frmpassabanda", "PASSA ALTO"));
    d.wire({2900, 400}, {3700, 400});
    d.rect({3700, 100}, {5800, 700}, true, 0xFFFFE0).text({4000, 280}, TR("frmpassabanda", "PASSA BASSO"));
    d.wire({5800, 400}, {6500, 400});
    d.ellipse({60, 360}, {140, 440}).ellipse({6460, 360}, {6540, 440});
    return d.picture();
}

std::vector<ControlSpec> bandpassControls() {
    using K = ControlKind;
    return {
        {.kind = K::Label,
         .name = "Label1",
         .rect = {240, 180, 6960, 1500},
         .text = TR(
             "frmpassabanda",
             "Il filtro passa banda è costituito da un filtro passa alto collegato ad un filtro passa basso "
             "e, "
             "pertanto, si rimanda ai rispettivi procedimenti di calcolo. NOTA: la frequenza di taglio del "
             "filtro passa alto corrisponderà alla  più bassa frequenza che si intende non attenuare, mentre "
             "la "
             "frequenza di taglio del filtro passa basso corrisponderà alla più alta frequenza che si "
             "intende "
             "non attenuare."),
         .font = {.points = 9}},
        schematic::imageControl("Image1", {420, 1800, 6600, 800}, chainSketch()),
        {.kind = K::Button,
         .name = "Command1",
         .rect = {240, 2760, 2200, 450},
         .text = TR("frmpassabanda", "vai ai filtri passa basso")},
        {.kind = K::Button,
         .name = "Command2",
         .rect = {2620, 2760, 2200, 450},
         .text = TR("frmpassabanda", "vai ai filtri passa alto")},
        {.kind = K::Button,
         .name = "Command3",
         .rect = {5000, 2760, 2200, 450},
         .text = TR("frmpassabanda", "CHIUDI")},
    };
}

}  // namespace

Frmpassabanda::Frmpassabanda(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmpassabanda", "FILTRI PASSA BANDA"),
            .rect = {0, 0, 7560, 3750},
            .defaultButton = {}},
           bandpassControls()) {
    onClick(ctl("Command1"), &Frmpassabanda::Command1_Click);
    onClick(ctl("Command2"), &Frmpassabanda::Command2_Click);
    onClick(ctl("Command3"), &Frmpassabanda::Command3_Click);
}

void Frmpassabanda::goTo(const char* form) {
    // The filter form is shown before this window goes, so that the program
    // does not end in between when this was its last window.
    workbench().show(form, false);
    close();
}

}  // namespace ondalab
