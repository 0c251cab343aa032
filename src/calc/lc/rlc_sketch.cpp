#include "calc/lc/rlc_sketch.h"

#include "common/catalogue.h"
#include "common/schematic.h"

namespace ondalab::rlc_sketch {

namespace {

constexpr int kPixel = 15;             // one pixel at 96 dpi
constexpr int kLetterInset = 90;       // a part letter starts here in its 300-twip slot
constexpr int kSeriesHeight = 720;     // down to the foot of the letters
constexpr int kParallelRise = 150;     // the top letter stands this much above the rails' box
constexpr int kParallelHeight = 1575;  // down to the foot of the capacitor plates

// Thin black strokes; a box's far corner is inclusive in a drawing, hence
// one pixel in, so that each part covers exactly its width and height.
struct Sketch {
    schematic::Drawing d;

    Sketch() { d.pen(colors::black, 1); }
    void line(int x1, int y1, int x2, int y2) { d.wire({x1, y1}, {x2, y2}); }
    void terminal(int cx, int cy) {
        d.ellipse({cx - 45, cy - 45}, {cx + 45 - kPixel, cy + 45 - kPixel}, true, colors::black);
    }
    // resistor body from x to x + 540 on the wire at y, 13 pixels high
    void resistor(int x, int y) { d.rect({x, y - 105}, {x + 540 - kPixel, y + 90 - kPixel}); }
    // four turns between x and x + 600 on the wire at y
    void inductor(int x, int y) {
        for (int i = 0; i < 4; ++i)
            d.ellipse({x + i * 150, y - 75}, {x + i * 150 + 150 - kPixel, y + 75 - kPixel});
    }
    // two plates at x and x + 120 across the wire at y
    void capacitor(int x, int y) {
        line(x, y - 180, x, y + 180);
        line(x + 120, y - 180, x + 120, y + 180);
    }
    // a part letter in the 300-twip slot starting at x
    void letter(const char* text, int x, int y) { d.text({x + kLetterInset, y}, text); }
};

}  // namespace

ControlSpec seriesImage(std::string name, Point at) {
    Sketch s;
    const int w = 300;  // the wire
    s.terminal(45, w);
    s.line(90, w, 360, w);
    s.resistor(360, w);
    s.line(900, w, 1140, w);
    s.inductor(1140, w);
    s.line(1740, w, 2040, w);
    s.capacitor(2040, w);
    s.line(2160, w, 2610, w);
    s.terminal(2655, w);
    s.letter(TR("frmCircuitiRLC", "R"), 480, w + 180);
    s.letter(TR("frmCircuitiRLC", "L"), 1290, w + 180);
    s.letter(TR("frmCircuitiRLC", "C"), 1950, w + 180);
    return schematic::imageControl(std::move(name), {at.x, at.y, kSeriesWidth, kSeriesHeight}, s.d.picture());
}

ControlSpec parallelImage(std::string name, Point at) {
    Sketch s;
    const int left = 300, right = 2400;
    const int rows[] = {kParallelRise + 180, kParallelRise + 780, kParallelRise + 1380};
    s.line(left, rows[0], left, rows[2]);
    s.line(right, rows[0], right, rows[2]);
    // terminals at mid height on each side
    s.terminal(45, rows[1]);
    s.line(90, rows[1], left, rows[1]);
    s.line(right, rows[1], 2610, rows[1]);
    s.terminal(2655, rows[1]);
    // R branch
    s.line(left, rows[0], 1080, rows[0]);
    s.resistor(1080, rows[0]);
    s.line(1620, rows[0], right, rows[0]);
    s.letter(TR("frmCircuitiRLC", "R"), 1650, rows[0] - 330);
    // L branch
    s.line(left, rows[1], 1050, rows[1]);
    s.inductor(1050, rows[1]);
    s.line(1650, rows[1], right, rows[1]);
    s.letter(TR("frmCircuitiRLC", "L"), 1650, rows[1] - 330);
    // C branch
    s.line(left, rows[2], 1290, rows[2]);
    s.capacitor(1290, rows[2]);
    s.line(1410, rows[2], right, rows[2]);
    s.letter(TR("frmCircuitiRLC", "C"), 1440, rows[2] - 330);
    return schematic::imageControl(
        std::move(name), {at.x, at.y - kParallelRise, kParallelWidth, kParallelRise + kParallelHeight},
        s.d.picture());
}

}  // namespace ondalab::rlc_sketch
