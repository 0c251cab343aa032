#include "app/main_window.h"

#include "app/forms.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

constexpr int kWidth = 8595;
constexpr int kHeight = 6500;
constexpr int kBlinkMs = 1000;

Stroke line(int x1, int y1, int x2, int y2, Rgb pen, int width = 1) {
    return {Stroke::Kind::Line, {{x1, y1}, {x2, y2}}, pen, width};
}

Stroke arc(int cx, int cy, int r, Rgb pen) {
    return {Stroke::Kind::Ellipse, {{cx - r, cy - r}, {cx + r, cy + r}}, pen, 2};
}

// Our own background: a sky over a hill, a lattice mast with a beam on top
// and the waves leaving it.
Picture background() {
    constexpr Rgb sky = 0xCFE3F5, hill = 0x9CC28A, steel = 0x505A64, wave = 0x7FA7D9;
    Picture p;
    p.push_back({Stroke::Kind::Rect, {{0, 0}, {kWidth, kHeight}}, sky, 1, true, sky});
    p.push_back({Stroke::Kind::Ellipse, {{-2000, 4300}, {11000, 9000}}, hill, 1, true, hill});
    for (int r = 700; r <= 2300; r += 800) p.push_back(arc(7000, 2500, r, wave));
    const int baseL = 6600, baseR = 7400, baseY = 4700, topY = 2700, topL = 6920, topR = 7080;
    p.push_back(line(baseL, baseY, topL, topY, steel, 2));
    p.push_back(line(baseR, baseY, topR, topY, steel, 2));
    for (int i = 0; i < 5; ++i) {  // the lattice: zig-zag braces between the legs
        const int y1 = baseY - i * 400, y2 = y1 - 400;
        const auto at = [&](int y, int b, int t) { return b + (t - b) * (baseY - y) / (baseY - topY); };
        p.push_back(line(at(y1, baseL, topL), y1, at(y2, baseR, topR), y2, steel));
    }
    p.push_back(line(7000, topY, 7000, 2300, steel, 2));
    p.push_back(line(6300, 2400, 7700, 2400, steel, 3));  // the boom
    for (int x = 6400; x <= 7600; x += 400) p.push_back(line(x, 2150, x, 2650, steel, 2));  // elements
    return p;
}

}  // namespace

FRMONDALAB::FRMONDALAB(Workbench& wb)
    : Form(wb,
           {.name = kMainWindow,
            .caption = "VELARIO",
            .rect = {0, 0, kWidth, kHeight},
            .centred = false,  // the load step centres it
            .inTaskbar = true,
            .background = background()},
           {
               {.kind = ControlKind::Label,
                .name = "lbltitolo",
                .rect = {600, 500, 5400, 1300},
                .text = "ONDALAB",
                .tooltip = "clicca per fermare",
                .fore = colors::red,
                .font = {.serif = true, .points = 44, .bold = true},
                .align = Align::Center},
               {.kind = ControlKind::Label,
                .name = "lblversione",
                .rect = {1800, 1900, 3000, 300},
                .text = "VERSIONE 2.4.1",
                .font = {.points = 10},
                .align = Align::Center},
               // The black shadow lies beneath the blue signature, 35 right and 30 down.
               {.kind = ControlKind::Label,
                .name = "lblq0qqqb",
                .rect = {635, 4430, 3000, 600},
                .text = "Q0 QQQ",
                .font = {.serif = true, .points = 20, .bold = true}},
               {.kind = ControlKind::Label,
                .name = "lblq0qqqa",
                .rect = {600, 4400, 3000, 600},
                .text = "Q0 QQQ",
                .fore = colors::blue,
                .font = {.serif = true, .points = 20, .bold = true}},
               {.kind = ControlKind::Button, .name = "cdmexit", .rect = {3500, 5000, 1500, 450}, .text = "CHIUDI"},
               {.kind = ControlKind::Timer, .name = "Timer1"},
           }) {
    setMenu(mainMenu());
    onTimer("Timer1", &FRMONDALAB::Timer1_Timer);
    onClick("lbltitolo", &FRMONDALAB::lbltitolo_Click);
    onClick("cdmexit", &FRMONDALAB::cdmexit_Click);
}

void FRMONDALAB::Form_Load() {
    resize(kWidth, kHeight);
    centre();
    (*this)["Timer1"].setInterval(kBlinkMs);
}

void FRMONDALAB::Timer1_Timer() {
    Control& title = (*this)["lbltitolo"];
    title.setFore(title.fore() == colors::red ? colors::blue : colors::red);
}

void FRMONDALAB::lbltitolo_Click() { (*this)["Timer1"].setEnabled(false); }

void FRMONDALAB::cdmexit_Click() {
    if (workbench().question("SEI SICURO ?", "AVVISO") == Answer::Yes) workbench().endProgram();
}

}  // namespace ondalab
