#include "app/main_window.h"

#include "app/forms.h"
#include "common/schematic.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

constexpr int kWidth = 8595;
constexpr int kHeight = 6500;
constexpr int kBlinkMs = 1000;

// Our own background: a sky over a hill, a lattice mast with a beam on top
// and the waves leaving it.
Picture background() {
    constexpr Rgb sky = 0xCFE3F5, hill = 0x9CC28A, steel = 0x505A64, wave = 0x7FA7D9;
    schematic::Drawing d;
    d.pen(sky).rect({0, 0}, {kWidth, kHeight}, true, sky);
    d.pen(hill).ellipse({-2000, 4300}, {11000, 9000}, true, hill);
    d.pen(wave).outline(2);
    for (int r = 700; r <= 2300; r += 800) d.ellipse({7000 - r, 2500 - r}, {7000 + r, 2500 + r});
    const int baseL = 6600, baseR = 7400, baseY = 4700, topY = 2700, topL = 6920, topR = 7080;
    d.pen(steel, 2).wire({baseL, baseY}, {topL, topY}).wire({baseR, baseY}, {topR, topY});
    d.pen(steel, 1);
    for (int i = 0; i < 5; ++i) {  // the lattice: zig-zag braces between the legs
        const int y1 = baseY - i * 400, y2 = y1 - 400;
        const auto at = [&](int y, int b, int t) { return b + (t - b) * (baseY - y) / (baseY - topY); };
        d.wire({at(y1, baseL, topL), y1}, {at(y2, baseR, topR), y2});
    }
    d.pen(steel, 2).wire({7000, topY}, {7000, 2300});
    d.pen(steel, 3).wire({6300, 2400}, {7700, 2400});  // the boom
    d.pen(steel, 2);
    for (int x = 6400; x <= 7600; x += 400) d.wire({x, 2150}, {x, 2650});  // elements
    return d.picture();
}

}  // namespace

FRMONDALAB::FRMONDALAB(Workbench& wb)
    : Form(wb,
           {.name = kMainWindow,
            .caption = TR("ondalab", "VELARIO"),
            .rect = {0, 0, kWidth, kHeight},
            .centred = false,  // the load step centres it
            .inTaskbar = true,
            .background = background(),
            .defaultButton = {},
            .mainWindow = true},
           {
               {.kind = ControlKind::Label,
                .name = "lbltitolo",
                .rect = {600, 500, 5400, 1300},
                .text = TR("ondalab", "ONDALAB"),
                .tooltip = TR("ondalab", "clicca per fermare"),
                .fore = colors::red,
                .font = {.serif = true, .points = 44, .bold = true},
                .align = Align::Center},
               {.kind = ControlKind::Label,
                .name = "lblversione",
                .rect = {1800, 1900, 3000, 300},
                .text = TR("ondalab", "VERSIONE 2.4.1"),
                .font = {.points = 10},
                .align = Align::Center},
               // The black shadow lies beneath the blue signature, 35 right and 30 down.
               {.kind = ControlKind::Label,
                .name = "lblq0qqqb",
                .rect = {635, 4430, 3000, 600},
                .text = TR("ondalab", "Q0 QQQ"),
                .font = {.serif = true, .points = 20, .bold = true}},
               {.kind = ControlKind::Label,
                .name = "lblq0qqqa",
                .rect = {600, 4400, 3000, 600},
                .text = TR("ondalab", "Q0 QQQ"),
                .fore = colors::blue,
                .font = {.serif = true, .points = 20, .bold = true}},
               {.kind = ControlKind::Button,
                .name = "cdmexit",
                .rect = {3500, 5000, 1500, 450},
                .text = TR("ondalab", "CHIUDI")},
               {.kind = ControlKind::Timer, .name = "Timer1"},
           }) {
    setMenu(mainMenu());
    onTimer(Timer1_, &FRMONDALAB::Timer1_Timer);
    onClick(lbltitolo_, &FRMONDALAB::lbltitolo_Click);
    onClick(cdmexit_, &FRMONDALAB::cdmexit_Click);
}

void FRMONDALAB::Form_Load() {
    resize(kWidth, kHeight);
    centre();
    Timer1_.setInterval(kBlinkMs);
}

void FRMONDALAB::Timer1_Timer() {
    Control& title = lbltitolo_;
    title.setFore(title.fore() == colors::red ? colors::blue : colors::red);
}

void FRMONDALAB::lbltitolo_Click() { Timer1_.setEnabled(false); }

void FRMONDALAB::cdmexit_Click() {
    if (workbench().question(tr("FRMONDALAB", "SEI SICURO ?"), tr("FRMONDALAB", "AVVISO")) == Answer::Yes)
        workbench().endProgram();
}

}  // namespace ondalab
