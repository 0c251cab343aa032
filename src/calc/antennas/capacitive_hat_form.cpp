#include "calc/antennas/capacitive_hat_form.h"

#include <array>
#include <string>

#include "calc/antennas/capacitive_hat.h"
#include "calc/shared/disclaimer.h"
#include "common/catalogue.h"
#include "common/layout.h"
#include "common/schematic.h"

namespace ondalab {

namespace {

// The result labels, top to bottom, with the text before each number.
constexpr std::array<std::array<const char*, 2>, 5> kResults = {{
    {"lblgradi", TR("frmcappello", "CORRISPONDE A GRADI ELETTRICI : ")},
    {"lblimpedenza", TR("frmcappello", "IMPEDENZA DEL RADIATORE Ohm : ")},
    {"lblreattanza", TR("frmcappello", "REATTANZA CAPACITIVA Ohm : ")},
    {"lblcapacita", TR("frmcappello", "CAPACITA' RICHIESTA in pF : ")},
    {"lbldiamcappello", TR("frmcappello", "DIAMETRO DEL CAPPELLO in cm. : ")},
}};

constexpr Rect kSketch = {5760, 240, 2400, 3000};

// The radiator standing on the ground, the disc hat flat on its top.
Picture sketch() {
    schematic::Drawing d;
    d.ellipse({200, 280}, {1900, 440}, true, colors::grey);  // the disc seen almost edge-on
    d.wire({1050, 440}, {1050, 2400});
    d.node({1050, 2450});
    d.pen(colors::grey).wire({1050, 2450}, {2300, 2450});  // the feed line
    d.pen(colors::black).wire({100, 2700}, {2300, 2700});
    for (int x = 200; x <= 2200; x += 250) d.wire({x, 2700}, {x - 120, 2850});
    d.wire({1050, 2500}, {1050, 2700});
    d.dimension({400, 440}, {400, 2450}, TR("frmcappello", "h"));
    return d.picture();
}

std::vector<ControlSpec> cappelloControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    c.push_back({.kind = K::Frame,
                 .name = "Frame1",
                 .rect = {120, 120, 5400, 1740},
                 .text = TR("frmcappello", "Inserimento dati")});
    const auto row = [&c](const char* label, const char* caption, const char* box, int top) {
        addInputRow(c, {.label = label,
                        .caption = caption,
                        .box = box,
                        .top = top,
                        .labelWidth = 3600,
                        .boxLeft = 4080});
    };
    row("lbllunghezza", TR("frmcappello", "LUNGHEZZA DEL RADIATORE VERT.in mt."), "txtlunghezza", 420);
    row("lbldiametro", TR("frmcappello", "DIAMETRO MEDIO DEL RADIATORE in cm."), "txtdiametro", 900);
    row("lblfrequenza", TR("frmcappello", "FREQUENZA DI LAVORO in Mhz"), "txtfrequenza", 1380);
    for (size_t i = 0; i < kResults.size(); ++i)
        c.push_back(resultLabel(kResults[i][0], {120, 2040 + static_cast<int>(i) * 420, 5400, 330},
                                {.fore = colors::darkBlue}));
    c.push_back(
        {.kind = K::Label,
         .name = "Label1",
         .rect = {120, 4260, 5400, 900},
         .text = TR(
             "frmcappello",
             "le antenne dotate di carico capacitivo sono generalmente più efficienti rispetto a quelle con "
             "carico induttivo ed inoltre risentono meno della diminuzione dell'impedenza di alimentazione"),
         .font = {.italic = true}});
    c.push_back(schematic::imageControl("Image1", kSketch, sketch()));
    c.push_back({.kind = K::Label,
                 .name = "lblc",
                 .rect = {kSketch.left + 1300, kSketch.top + 20, 1000, 260},
                 .fore = colors::darkBlue});
    const auto button = [](const char* name, int top, const char* text) {
        return ControlSpec{.kind = K::Button, .name = name, .rect = {5880, top, 2160, 420}, .text = text};
    };
    c.push_back(button("cmdcalcola", 3600, TR("frmcappello", "CALCOLA")));
    c.push_back(button("cmdavviso", 4140, TR("frmcappello", "AVVISO")));
    c.push_back(button("cmdesci", 4680, TR("frmcappello", "E S C I")));
    return c;
}

std::string whole(double v) { return std::to_string(toInt16(v)); }

}  // namespace

Frmcappello::Frmcappello(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmcappello", "CALCOLO DEL CAPPELLO CAPACITVO IN UN RADIATORE VERTICALE"),
            .rect = {0, 0, 8400, 5700},
            .faultFocus = "txtlunghezza"},
           cappelloControls()),
      results_(ctls(kResults, [](const auto& row) { return row[0]; })) {
    onClick(ctl("cmdcalcola"), &Frmcappello::cmdcalcola_Click);
    onClick(ctl("cmdavviso"), &Frmcappello::cmdavviso_Click);
    onClick(ctl("cmdesci"), &Frmcappello::cmdesci_Click);
}

void Frmcappello::cmdcalcola_Click() {
    const double h = num(txtlunghezza_), d = num(txtdiametro_), f = num(txtfrequenza_);
    if (!missingDataOk(h * d * f, txtlunghezza_, Negative::Refused)) return;
    if (capacitive_hat::needsNoLoad(h, f)) {
        warnAndFocus(txtlunghezza_, TR("frmcappello", "L'ANTENNA NON RICHIEDE CARICO"), kNoticeTitle);
        return;
    }
    const auto r = capacitive_hat::solve(h, d, f);
    // every number shows as a 16-bit integer; the hat from the unrounded capacitance
    const std::string c = whole(r.capacitance);
    const std::array<std::string, 5> numbers = {whole(r.degrees), whole(r.impedance), whole(r.reactance), c,
                                                whole(r.hatDiameter)};
    for (size_t i = 0; i < results_.size(); ++i) results_[i]->setText(tr(kName, kResults[i][1]) + numbers[i]);
    lblc_.setText(c + tr("frmcappello", " pF"));
}

void Frmcappello::cmdavviso_Click() { showDisclaimer(*this); }

}  // namespace ondalab
