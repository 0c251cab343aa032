#include "calc/antennas/shortened_vertical_form.h"

#include "calc/antennas/shortened_vertical.h"
#include "calc/lc/coil_opener.h"
#include "common/fault.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

constexpr const char* kInputTip = "separare i decimali con il punto";
constexpr const char* kOneDecimal = "##0.#";

// The loading coil upright on the radiator: a stack of turns, 300 x 600.
Picture coilPicture() { return coilTurns(6, {20, 20}, {280, 130}, {0, 90}, colors::darkBlue); }

std::vector<ControlSpec> verticalControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    c.push_back({.kind = K::Label,
                 .name = "Label7",
                 .rect = {240, 150, 5400, 300},
                 .text = "CALCOLO INDUTTANZA DELLA BOBINA IN ARIA",
                 .font = {.bold = true}});
    const auto input = [&c](const std::string& label, const std::string& caption, const std::string& box,
                            int top) {
        c.push_back({.kind = K::Label, .name = label, .rect = {240, top + 45, 3300, 300}, .text = caption});
        c.push_back({.kind = K::TextBox, .name = box, .rect = {3600, top, 1200, 360}, .tooltip = kInputTip});
    };
    input("Label1", "LUNGHEZZA TOTALE RADIATORE in mt.", "txtlunghezza", 600);
    input("Label2", "DISTANZA BOBINA DALLA BASE in mt.", "txtdistanza", 1080);
    input("Label3", "DIAMETRO DEL RADIATORE in mm", "txtdiametro", 1560);
    input("Label4", "FREQUENZA  in MHz", "txtfrequenza", 2040);
    c.push_back({.kind = K::Button, .name = "cmdcalcola", .rect = {240, 2640, 1500, 420}, .text = "CALCOLA"});
    c.push_back({.kind = K::Button,
                 .name = "cmdchiamabobine",
                 .rect = {1860, 2640, 2100, 420},
                 .text = "Costruzione bobine"});
    c.push_back({.kind = K::Button, .name = "cmdesci", .rect = {4080, 2640, 1200, 420}, .text = "E S C I"});
    const char* results[] = {"lblinduttanza", "lblgradi", "lblRR"};
    for (int i = 0; i < 3; ++i)
        c.push_back({.kind = K::Label,
                     .name = results[i],
                     .rect = {240, 3300 + i * 420, 5000, 330},
                     .fore = colors::darkBlue,
                     .border = true});

    // sketch: the radiator on its base with the coil part-way up
    constexpr int x = 7500;
    constexpr int ground = 5000;
    constexpr int coilTop = 3300;
    constexpr int top = 600;
    c.push_back(lineControl("Line1", x, ground, x, coilTop + 600));
    c.push_back(
        {.kind = K::Image, .name = "Image1", .rect = {x - 150, coilTop, 300, 600}, .picture = coilPicture()});
    c.push_back(lineControl("Line2", x, coilTop, x, top));
    c.push_back(lineControl("Line3", 6000, ground, 8700, ground));  // the ground
    for (int i = 0; i < 6; ++i)
        c.push_back(lineControl("Line" + std::to_string(4 + i), 6120 + i * 450, ground, 6000 + i * 450,
                                ground + 180));
    c.push_back({.kind = K::Label,
                 .name = "lblind",
                 .rect = {x + 240, coilTop + 150, 1100, 300},
                 .fore = colors::darkBlue});
    // coil height above the base
    c.push_back(lineControl("Line10", 7000, coilTop + 300, 7000, ground, colors::blue));
    c.push_back(lineControl("Line11", 6900, coilTop + 300, 7100, coilTop + 300, colors::blue));
    c.push_back({.kind = K::Label,
                 .name = "lbldist",
                 .rect = {5640, 4200, 1320, 280},
                 .text = "dist.",
                 .align = Align::Right});
    // total length
    c.push_back(lineControl("Line12", 8300, top, 8300, ground, colors::blue));
    c.push_back(lineControl("Line13", 8200, top, 8400, top, colors::blue));
    c.push_back({.kind = K::Label, .name = "lbllung", .rect = {8340, 1800, 1440, 280}, .text = "lung."});
    return c;
}

}  // namespace

Frmvertaccorciata::Frmvertaccorciata(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = "ANTENNA VERTICALE ACCORCIATA",
            .rect = {0, 0, 9900, 5800},
            .faultFocus = "txtlunghezza"},
           verticalControls()) {
    onClick("cmdcalcola", &Frmvertaccorciata::cmdcalcola_Click);
    onClick("cmdchiamabobine", &Frmvertaccorciata::cmdchiamabobine_Click);
    onClick("cmdesci", &Frmvertaccorciata::cmdesci_Click);
}

void Frmvertaccorciata::cmdcalcola_Click() {
    using namespace shortened_vertical;
    const double l = num("txtlunghezza");
    const double h = finite(toSingle(num("txtdistanza")));  // the coil height is held in single precision
    const double d = num("txtdiametro");
    const double f = num("txtfrequenza");
    if (h * 2 * l * d * f <= 0) {  // a negative product is refused as well
        warning("MANCANO DATI");
        setFocus("txtlunghezza");
        return;
    }
    if (2 * l >= checkedDiv(kHalfWave, f)) {  // the radiator with its image against half a wave
        warning("RADIATORE PIU' LUNGO DI 1/2 LAMBDA", "MESSAGGIO DI AVVISO");
        setFocus("txtlunghezza");
        return;
    }
    if (h >= l) {
        warning("DISTANZA ECCESSIVA", "MESSAGGIO DI AVVISO");
        setFocus("txtdistanza");
        return;
    }
    const std::string coil = masked(inductance(l, h, d, f), "#,##0.##");
    // one decimal through the mask, read back in single precision
    const double g = finite(toSingle(roundThrough(degrees(l, f), kOneDecimal)));
    const std::string r = masked(radiation(g), kOneDecimal);
    const std::string gText = shortT(g);
    const std::string hText = shortT(h);
    const std::string lText = general(l);
    (*this)["lblinduttanza"].setText("INDUTTANZA in micro HENRY : " + coil);
    (*this)["lblind"].setText(coil);
    (*this)["lblgradi"].setText("LUNGHEZZA ANTENNA IN GRADI  :  " + gText);
    (*this)["lblRR"].setText("RESISTENZA DI RADIAZIONE = " + r);
    (*this)["lbldist"].setText(hText);
    (*this)["lbllung"].setText(lText);
}

// The coil form goes to 4100,2800 and this form steps aside to 180,180.
void Frmvertaccorciata::cmdchiamabobine_Click() {
    openCoilForm(*this, CoilCall{.coilTop = kCoilFormTop, .callerMovesAside = true});
}

}  // namespace ondalab
