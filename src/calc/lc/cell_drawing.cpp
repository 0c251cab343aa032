#include "calc/lc/cell_drawing.h"

#include <cstdlib>

namespace ondalab::sketch {

namespace {
constexpr int kPlateHalf = 150;  // half the width of a capacitor plate
constexpr int kPlateGap = 60;    // half the gap between the plates
constexpr int kLoopDepth = 110;  // how far a coil loop bulges out
}  // namespace

Drawing& Drawing::wire(Point a, Point b) {
    strokes_.push_back({.kind = Stroke::Kind::Line, .points = {a, b}, .penWidth = 2});
    return *this;
}

Drawing& Drawing::coil(Point a, Point b, const std::string& name, int loops) {
    const bool horizontal = std::abs(b.x - a.x) >= std::abs(b.y - a.y);
    const int span = horizontal ? b.x - a.x : b.y - a.y;
    const int steps = 6;  // points per loop
    Stroke s{.kind = Stroke::Kind::Line, .penWidth = 2};
    for (int i = 0; i <= loops * steps; ++i) {
        const int along = span * i / (loops * steps);
        const int phase = i % steps;  // a rounded bump: 0, 0.6, 0.95, 0.95, 0.6, 0 of the depth
        static constexpr int kShape[] = {0, 60, 95, 100, 95, 60};
        const int out = kLoopDepth * kShape[phase] / 100;
        if (horizontal)
            s.points.push_back({a.x + along, a.y - out});
        else
            s.points.push_back({a.x + out, a.y + along});
    }
    strokes_.push_back(s);
    if (horizontal)
        text({(a.x + b.x) / 2 - 60, a.y - kLoopDepth - 260}, name);
    else
        text({a.x + kLoopDepth + 80, (a.y + b.y) / 2 - 100}, name);
    return *this;
}

Drawing& Drawing::capacitor(Point a, Point b, const std::string& name) {
    const bool horizontal = std::abs(b.x - a.x) >= std::abs(b.y - a.y);
    const Point mid{(a.x + b.x) / 2, (a.y + b.y) / 2};
    if (horizontal) {
        wire(a, {mid.x - kPlateGap, mid.y});
        wire({mid.x + kPlateGap, mid.y}, b);
        wire({mid.x - kPlateGap, mid.y - kPlateHalf}, {mid.x - kPlateGap, mid.y + kPlateHalf});
        wire({mid.x + kPlateGap, mid.y - kPlateHalf}, {mid.x + kPlateGap, mid.y + kPlateHalf});
        text({mid.x - 50, mid.y - kPlateHalf - 250}, name);
    } else {
        wire(a, {mid.x, mid.y - kPlateGap});
        wire({mid.x, mid.y + kPlateGap}, b);
        wire({mid.x - kPlateHalf, mid.y - kPlateGap}, {mid.x + kPlateHalf, mid.y - kPlateGap});
        wire({mid.x - kPlateHalf, mid.y + kPlateGap}, {mid.x + kPlateHalf, mid.y + kPlateGap});
        text({mid.x + kPlateHalf + 60, mid.y - 100}, name);
    }
    return *this;
}

Drawing& Drawing::ground(Point p) {
    wire({p.x - 150, p.y}, {p.x + 150, p.y});
    wire({p.x - 90, p.y + 50}, {p.x + 90, p.y + 50});
    wire({p.x - 30, p.y + 100}, {p.x + 30, p.y + 100});
    return *this;
}

Drawing& Drawing::node(Point p) { return ellipse({p.x - 30, p.y - 30}, {p.x + 30, p.y + 30}, true, colors::black); }

Drawing& Drawing::text(Point p, const std::string& s) {
    strokes_.push_back({.kind = Stroke::Kind::Text, .points = {p}, .text = s});
    return *this;
}

Drawing& Drawing::rect(Point a, Point b, bool filled, Rgb fill) {
    strokes_.push_back({.kind = Stroke::Kind::Rect, .points = {a, b}, .filled = filled, .fill = fill});
    return *this;
}

Drawing& Drawing::ellipse(Point a, Point b, bool filled, Rgb fill) {
    strokes_.push_back({.kind = Stroke::Kind::Ellipse, .points = {a, b}, .filled = filled, .fill = fill});
    return *this;
}

}  // namespace ondalab::sketch
