#include "calc/antennas/loaded_dipole_form.h"

#include "calc/antennas/loaded_dipole.h"
#include "calc/antennas/shortened_vertical.h"
#include "calc/lc/coil_opener.h"
#include "common/fault.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

constexpr int kFormHeight = 6500;
constexpr const char* kTrapCaption = "trappola di blocco";

// A loading coil lying along the wire: a row of turns in a 600 x 300 box.
Picture coilPicture() { return coilTurns(5, {20, 20}, {140, 280}, {110, 0}, colors::darkBlue); }

std::vector<ControlSpec> loadedDipoleControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    const auto input = [&c](const std::string& label, const std::string& caption, const std::string& tip,
                            const std::string& box, int top) {
        c.push_back({.kind = K::Label,
                     .name = label,
                     .rect = {240, top + 45, 4320, 300},
                     .text = caption,
                     .tooltip = tip});
        c.push_back({.kind = K::TextBox, .name = box, .rect = {4620, top, 1200, 360}});
    };
    input("Label1", "FREQUENZA in MHz", "frequenza centro banda", "txtfrequenza", 300);
    input("Label2", "DIAMETRO DEL CONDUTTORE in mm. (d)", "diametro del filo del dipolo", "txtdiametro", 780);
    input("Label3", "DISTANZA DELLA BOBINA DAL CENTRO in mt. (A)", "distanza centro antenna/centrobobina",
          "txtdistanza", 1260);
    input("Label4", "LUNGHEZZA TOTALE A DISPOSIZIONE in mt. (B)", "tratto B, lunghezza totale dipolo",
          "txtlunghezza", 1740);
    c.push_back({.kind = K::Label,
                 .name = "lblpuntodecimale",
                 .rect = {240, 2220, 5600, 300},
                 .text = "separare i decimali con il punto del tastierino numerico",
                 .fore = colors::darkBlue,
                 .font = {.italic = true}});
    c.push_back({.kind = K::Button,
                 .name = "cmdcalcola",
                 .rect = {6600, 300, 2400, 420},
                 .text = "CALCOLA",
                 .tooltip = "ricava il valore dell'induttanza"});
    c.push_back({.kind = K::Button,
                 .name = "cmdchiamabobine",
                 .rect = {6600, 840, 2400, 420},
                 .text = "COSTRUZIONE BOBINE",
                 .tooltip = "rimanda al calcolo delle bobine"});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {6600, 1380, 2400, 420},
                 .text = "E S C I",
                 .tooltip = "esce dall'applicazione"});
    c.push_back({.kind = K::Label,
                 .name = "lblinduttanza",
                 .rect = {240, 2700, 7200, 360},
                 .visible = false,
                 .fore = colors::darkBlue,
                 .font = {.bold = true},
                 .border = true});

    // sketch: the dipole fed at the centre, a coil in each arm
    constexpr int y = 4500;
    constexpr int left = 600;
    constexpr int right = 10200;
    constexpr int centre = 5400;
    constexpr int coilL = 2800;  // left edge of the left coil
    constexpr int coilR = 7400;  // left edge of the right coil
    c.push_back(lineControl("Line1", left, y, coilL, y));
    c.push_back(
        {.kind = K::Image, .name = "Image1", .rect = {coilL, y - 150, 600, 300}, .picture = coilPicture()});
    c.push_back(lineControl("Line2", coilL + 600, y, centre - 150, y));
    c.push_back({.kind = K::Shape,
                 .name = "Shape1",
                 .rect = {centre - 150, y - 100, 300, 200},
                 .filled = true,
                 .back = colors::grey});
    c.push_back(lineControl("Line3", centre + 150, y, coilR, y));
    c.push_back(
        {.kind = K::Image, .name = "Image2", .rect = {coilR, y - 150, 600, 300}, .picture = coilPicture()});
    c.push_back(lineControl("Line4", coilR + 600, y, right, y));
    c.push_back({.kind = K::Label,
                 .name = "Label6",
                 .rect = {coilL - 600, y + 240, 1800, 280},
                 .text = kTrapCaption,
                 .align = Align::Center});
    c.push_back({.kind = K::Label,
                 .name = "Label7",
                 .rect = {coilR - 600, y + 240, 1800, 280},
                 .text = kTrapCaption,
                 .align = Align::Center});
    // the coax feed
    c.push_back(lineControl("Line5", centre - 60, y + 100, centre - 60, 5700));
    c.push_back(lineControl("Line6", centre + 60, y + 100, centre + 60, 5700));
    c.push_back({.kind = K::Label,
                 .name = "Label8",
                 .rect = {centre + 240, 5350, 1400, 280},
                 .text = "discesa coax",
                 .tooltip = "discesa cavo coax "});
    // dimension lines: A from the centre to the coil, B over the whole dipole
    c.push_back(lineControl("Line7", centre, 4080, coilR + 300, 4080, colors::blue));
    c.push_back(lineControl("Line8", centre, 3960, centre, 4200, colors::blue));
    c.push_back(lineControl("Line9", coilR + 300, 3960, coilR + 300, 4200, colors::blue));
    c.push_back({.kind = K::Label,
                 .name = "Label9",
                 .rect = {6300, 3780, 500, 280},
                 .text = "  A",
                 .tooltip = "lungh.del tratto corispondente alla fr. più alta"});
    c.push_back(lineControl("Line10", left, 3600, right, 3600, colors::blue));
    c.push_back(lineControl("Line11", left, 3480, left, 3720, colors::blue));
    c.push_back(lineControl("Line12", right, 3480, right, 3720, colors::blue));
    c.push_back({.kind = K::Label,
                 .name = "Label10",
                 .rect = {centre - 250, 3300, 500, 280},
                 .text = "  B",
                 .tooltip = "lunghezza totale del dipolo"});
    c.push_back({.kind = K::Label, .name = "Label11", .rect = {9000, y + 120, 600, 280}, .text = "= d"});
    return c;
}

}  // namespace

Frmtrappolata::Frmtrappolata(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = "ANTENNE ACCORCIATE - VALORE DELL' INDUTTANZA IN RAPPORTO ALLE DIMENSIONI",
            .rect = {0, 0, 11000, kFormHeight},
            .faultFocus = "txtlunghezza"},
           loadedDipoleControls()) {
    onClick("cmdcalcola", &Frmtrappolata::cmdcalcola_Click);
    onClick("cmdchiamabobine", &Frmtrappolata::cmdchiamabobine_Click);
    onClick("cmdesci", &Frmtrappolata::cmdesci_Click);
}

void Frmtrappolata::Form_Load() {
    resize(workbench().services().screen.widthTwips() * 11 / 12, kFormHeight);
    centre();
    (*this)["lblinduttanza"].setVisible(false);
}

void Frmtrappolata::cmdcalcola_Click() {
    const double a = num("txtdistanza");
    const double b = num("txtlunghezza");
    const double d = num("txtdiametro");
    const double f = num("txtfrequenza");
    if (a * b * d * f <= 0) {  // a negative product is refused as well
        warning("MANCANO DATI");
        setFocus("txtlunghezza");
        return;
    }
    if (b >= checkedDiv(shortened_vertical::kHalfWave, f)) {
        warning("RADIATORE PIU' LUNGO DI 1/2 LAMBDA", "MESSAGGIO DI AVVISO");
        setFocus("txtlunghezza");
        return;
    }
    if (a >= b / 2) {
        warning("DISTANZA ECCESSIVA", "MESSAGGIO DI AVVISO");
        setFocus("txtdistanza");
        return;
    }
    // two decimals through the mask, read back in single precision
    const double l = finite(toSingle(roundThrough(loaded_dipole::inductance(a, b, d, f), "#,##0.##")));
    (*this)["lblinduttanza"].setText("L'INDUTTANZA DELLA BOBINA E' micro HENRY : " + shortT(l));
    (*this)["lblinduttanza"].setVisible(true);
}

// The coil form sits at 4100,2800; this form stays where it is.
void Frmtrappolata::cmdchiamabobine_Click() {
    openCoilForm(*this, CoilCall{.coilTop = kCoilFormTop, .callerMovesAside = false});
}

}  // namespace ondalab
