#include "calc/lc/rlc_sketch.h"

#include <string>

namespace ondalab::rlc_sketch {

namespace {

using K = ControlKind;

struct Pen {
    std::vector<ControlSpec>& c;
    Names& n;

    void line(int x1, int y1, int x2, int y2) {
        c.push_back({.kind = K::Line, .name = "Line1(" + std::to_string(n.line++) + ")", .rect = {x1, y1, x2 - x1, y2 - y1}});
    }
    void shape(int x, int y, int w, int h, bool round, bool filled = false) {
        c.push_back({.kind = K::Shape,
                     .name = "Shape1(" + std::to_string(n.shape++) + ")",
                     .rect = {x, y, w, h},
                     .filled = filled,
                     .round = round,
                     .back = colors::black});
    }
    void letter(const char* text, int x, int y) {
        c.push_back({.kind = K::Label,
                     .name = "lblsigla(" + std::to_string(n.label++) + ")",
                     .rect = {x, y, 300, 240},
                     .text = text,
                     .font = {.bold = true},
                     .align = Align::Center});
    }
    void terminal(int cx, int cy) { shape(cx - 45, cy - 45, 90, 90, true, true); }
    // resistor body between x and x + 540 on the wire at y
    void resistor(int x, int y) { shape(x, y - 100, 540, 200, false); }
    // four turns between x and x + 600 on the wire at y
    void inductor(int x, int y) {
        for (int i = 0; i < 4; ++i) shape(x + i * 150, y - 75, 150, 150, true);
    }
    // two plates at x and x + 120 across the wire at y
    void capacitor(int x, int y) {
        line(x, y - 180, x, y + 180);
        line(x + 120, y - 180, x + 120, y + 180);
    }
};

}  // namespace

void addSeries(std::vector<ControlSpec>& controls, Names& names, int x, int y) {
    Pen p{controls, names};
    const int w = y + 300;  // the wire
    p.terminal(x + 45, w);
    p.line(x + 90, w, x + 360, w);
    p.resistor(x + 360, w);
    p.line(x + 900, w, x + 1140, w);
    p.inductor(x + 1140, w);
    p.line(x + 1740, w, x + 2040, w);
    p.capacitor(x + 2040, w);
    p.line(x + 2160, w, x + 2610, w);
    p.terminal(x + 2655, w);
    p.letter("R", x + 480, w + 180);
    p.letter("L", x + 1290, w + 180);
    p.letter("C", x + 1950, w + 180);
}

void addParallel(std::vector<ControlSpec>& controls, Names& names, int x, int y) {
    Pen p{controls, names};
    const int left = x + 300, right = x + 2400;
    const int rows[] = {y + 180, y + 780, y + 1380};
    p.line(left, rows[0], left, rows[2]);
    p.line(right, rows[0], right, rows[2]);
    // terminals at mid height on each side
    p.terminal(x + 45, rows[1]);
    p.line(x + 90, rows[1], left, rows[1]);
    p.line(right, rows[1], x + 2610, rows[1]);
    p.terminal(x + 2655, rows[1]);
    // R branch
    p.line(left, rows[0], x + 1080, rows[0]);
    p.resistor(x + 1080, rows[0]);
    p.line(x + 1620, rows[0], right, rows[0]);
    p.letter("R", x + 1650, rows[0] - 330);
    // L branch
    p.line(left, rows[1], x + 1050, rows[1]);
    p.inductor(x + 1050, rows[1]);
    p.line(x + 1650, rows[1], right, rows[1]);
    p.letter("L", x + 1650, rows[1] - 330);
    // C branch
    p.line(left, rows[2], x + 1290, rows[2]);
    p.capacitor(x + 1290, rows[2]);
    p.line(x + 1410, rows[2], right, rows[2]);
    p.letter("C", x + 1440, rows[2] - 330);
}

}  // namespace ondalab::rlc_sketch
