#include "calc/lc/coil_form.h"

#include <array>

#include "calc/lc/coil.h"
#include "common/fault.h"
#include "common/schematic.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

constexpr std::array<const char*, 2> kInputCaptions = {"induttanza in uH :", "numero di spire :"};
constexpr const char* kTurnsMask = "#,##0.#";

// A coil wound on its former, with the diameter and the length marked.
Picture coilSketch() {
    schematic::Drawing d;
    const int left = 700, right = 2300, top = 250, bottom = 750;
    d.rect({left - 100, top + 40}, {right + 100, bottom - 40}, true, 0xE8DCC0);  // the former
    for (int x = left; x <= right; x += 200) {
        d.ellipse({x - 60, top}, {x + 60, bottom});  // one turn seen from the side
    }
    d.wire({left - 400, bottom}, {left - 60, bottom});
    d.wire({right + 60, top}, {right + 400, top});
    // the diameter D at the left, the length S below
    d.wire({280, top}, {280, bottom}).wire({200, top}, {360, top}).wire({200, bottom}, {360, bottom});
    d.text({60, top + 130}, "D");
    d.wire({left, bottom + 170}, {right, bottom + 170});
    d.wire({left, bottom + 90}, {left, bottom + 250}).wire({right, bottom + 90}, {right, bottom + 250});
    d.text({(left + right) / 2 - 50, bottom + 200}, "S");
    return d.picture();
}

std::vector<ControlSpec> coilControls() {
    using K = ControlKind;
    return {
        {.kind = K::Frame, .name = "Frame1", .rect = {120, 120, 3600, 1020}, .text = "Opzioni"},
        {.kind = K::Option,
         .name = "Option1(0)",
         .rect = {240, 400, 3400, 300},
         .text = "Trovare il numero delle spire",
         .group = "Frame1"},
        {.kind = K::Option,
         .name = "Option1(1)",
         .rect = {240, 740, 3400, 300},
         .text = "Trovare il valore dell'Induttanza",
         .group = "Frame1"},
        {.kind = K::Image, .name = "Image1", .rect = {3960, 120, 3000, 1260}, .picture = coilSketch()},
        {.kind = K::Label, .name = "lblinput", .rect = {120, 1480, 3000, 300}},
        {.kind = K::TextBox, .name = "txtinput", .rect = {3200, 1430, 1400, 360}},
        {.kind = K::Label,
         .name = "lbldiametro",
         .rect = {120, 1900, 3000, 300},
         .text = "diametro interno in millimetri",
         .tooltip = "calcolato al centro spira"},
        {.kind = K::TextBox,
         .name = "txtdiametro",
         .rect = {3200, 1850, 1400, 360},
         .tooltip = "diametro del supporto"},
        {.kind = K::Label,
         .name = "lbllunghezza",
         .rect = {120, 2320, 3000, 300},
         .text = "lunghezza bobina  in millimetri"},
        {.kind = K::TextBox,
         .name = "txtlunghezza",
         .rect = {3200, 2270, 1400, 360},
         .tooltip = "digitare un dato compatibile con la sezione del filo"},
        {.kind = K::Label,
         .name = "lbloutput",
         .rect = {120, 2820, 4900, 330},
         .visible = false,
         .border = true},
        {.kind = K::Label,
         .name = "lbllunghezzafilo",
         .rect = {120, 3240, 4900, 330},
         .visible = false,
         .border = true},
        {.kind = K::Button, .name = "cmdcalcola", .rect = {5300, 2780, 1700, 400}, .text = "CALCOLA"},
        {.kind = K::Button, .name = "cmdesci", .rect = {5300, 3220, 1700, 400}, .text = "ESCI"},
        {.kind = K::Label,
         .name = "Label1",
         .rect = {120, 3760, 6900, 820},
         .text =
             "Le bobine si intendono monostrato senza schermo e senza nucleo. Il massimo Q si ottiene con un "
             "rapporto L/D circa = 2. I valori ottenuti sono teorici e si discosteranno sempre di più da "
             "quelli "
             "reali con l'aumentare della frequenza, in particolare oltre i 30/40 MHz."},
        {.kind = K::Label,
         .name = "Label2",
         .rect = {120, 4640, 6900, 440},
         .text = "La formula adottata è quella proposta dal \"The Radio Amateur's Hand Book ARRL\" ed è "
                 "indipendente dal diametro del conduttore"},
        {.kind = K::Label,
         .name = "Label3",
         .rect = {120, 5140, 6900, 440},
         .text = "La lunghezza della bobina deve essere compatibile con la sezione del conduttore"},
    };
}

}  // namespace

Frmbobine::Frmbobine(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = "CALCOLO BOBINE MONOSTRATO IN ARIA PER STADI NON DI POTENZA",
            .rect = {0, 0, 7800, 6100},
            .faultFocus = "txtinput"},
           coilControls()) {
    onClick("Option1", &Frmbobine::Option1_Click);
    onClick("cmdcalcola", &Frmbobine::cmdcalcola_Click);
    onClick("cmdesci", &Frmbobine::cmdesci_Click);
}

void Frmbobine::Option1_Click(int index) {
    (*this)["lbloutput"].setVisible(false);
    (*this)["lbllunghezzafilo"].setVisible(false);
    (*this)["lblinput"].setText(kInputCaptions[static_cast<size_t>(index)]);
}

void Frmbobine::cmdcalcola_Click() {
    const double d = num("txtdiametro");
    const double s = num("txtlunghezza");
    const double x = num("txtinput");
    const double p = finite(x * d * s);
    if (p == 0) {
        warning("MANCANO DATI");
        setFocus("txtinput");
    } else if (p > 0) {
        std::string output, wire;
        if ((*this)["Option1(0)"].checked()) {  // x is the inductance in microhenry
            const std::string turns = masked(coil::turnsFor(x, d, s), kTurnsMask);
            const double rounded = readRegional(turns, fmt());  // the wire is wound for the turns shown
            output = "numero di spire  :   " + turns + " in aria";
            wire = "lunghezza del filo: " + general(coil::wireLengthCm(rounded, d)) + " cm.";
        } else {  // x is the number of turns
            const double l = finite(toSingle(roundThrough(coil::inductanceOf(x, d, s), kTurnsMask)));
            output = "microHenry :   " + shortT(l);
            wire = "lunghezza del filo : " + general(coil::wireLengthCm(x, d)) + " cm.";
        }
        (*this)["lbloutput"].setText(output);
        (*this)["lbllunghezzafilo"].setText(wire);
    }
    // Whatever happened above, the result lines are shown again.
    (*this)["lbloutput"].setVisible(true);
    (*this)["lbllunghezzafilo"].setVisible(true);
}

}  // namespace ondalab
