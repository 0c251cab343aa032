#include "common/schematic.h"

#include <cmath>
#include <cstdlib>

namespace ondalab::schematic {

namespace {
constexpr int kPlateHalf = 150;  // half the width of a capacitor plate
constexpr int kPlateGap = 60;    // half the gap between the plates
constexpr int kLoopDepth = 110;  // how far a coil loop bulges out
constexpr int kBodyHalf = 90;    // half the thickness of a resistor body
constexpr int kArrowHead = 90;   // length of an arrow head's sides
constexpr int kTick = 90;        // half the length of a dimension tick
constexpr int kDiodeHalf = 120;  // half the length of a diode's triangle

bool isHorizontal(Point a, Point b) { return std::abs(b.x - a.x) >= std::abs(b.y - a.y); }
Point middle(Point a, Point b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }
}  // namespace

Drawing& Drawing::add(Stroke s) {
    s.pen = pen_;
    const bool outline = s.kind == Stroke::Kind::Rect || s.kind == Stroke::Kind::Ellipse;
    s.penWidth = outline ? outline_ : width_;
    strokes_.push_back(std::move(s));
    return *this;
}

Drawing& Drawing::pen(Rgb color, int width) {
    pen_ = color;
    width_ = width;
    return *this;
}

Drawing& Drawing::outline(int width) {
    outline_ = width;
    return *this;
}

Drawing& Drawing::wire(Point a, Point b) { return add({.kind = Stroke::Kind::Line, .points = {a, b}}); }

Drawing& Drawing::polyline(std::vector<Point> points) {
    return add({.kind = Stroke::Kind::Line, .points = std::move(points)});
}

Drawing& Drawing::resistor(Point a, Point b, const std::string& name) {
    const Point mid = middle(a, b);
    if (isHorizontal(a, b)) {
        const int half = std::abs(b.x - a.x) / 4;
        wire(a, {mid.x - half, mid.y});
        wire({mid.x + half, mid.y}, b);
        rect({mid.x - half, mid.y - kBodyHalf}, {mid.x + half, mid.y + kBodyHalf});
        if (!name.empty()) text({mid.x - 60, mid.y - kBodyHalf - 250}, name);
    } else {
        const int half = std::abs(b.y - a.y) / 4;
        wire(a, {mid.x, mid.y - half});
        wire({mid.x, mid.y + half}, b);
        rect({mid.x - kBodyHalf, mid.y - half}, {mid.x + kBodyHalf, mid.y + half});
        if (!name.empty()) text({mid.x + kBodyHalf + 60, mid.y - 100}, name);
    }
    return *this;
}

Drawing& Drawing::coil(Point a, Point b, const std::string& name, int loops) {
    const bool horizontal = isHorizontal(a, b);
    const int span = horizontal ? b.x - a.x : b.y - a.y;
    constexpr int steps = 6;  // points per loop: a rounded bump
    static constexpr int kShape[steps] = {0, 60, 95, 100, 95, 60};
    std::vector<Point> points;
    for (int i = 0; i <= loops * steps; ++i) {
        const int along = span * i / (loops * steps);
        const int out = kLoopDepth * kShape[i % steps] / 100;
        points.push_back(horizontal ? Point{a.x + along, a.y - out} : Point{a.x + out, a.y + along});
    }
    polyline(std::move(points));
    if (name.empty()) return *this;
    if (horizontal) return text({(a.x + b.x) / 2 - 60, a.y - kLoopDepth - 260}, name);
    return text({a.x + kLoopDepth + 80, (a.y + b.y) / 2 - 100}, name);
}

Drawing& Drawing::turns(int count, Point first, Point firstEnd, Point step) {
    const int saved = outline_;
    outline_ = width_;  // turns are wire: drawn with the pen's width
    for (int i = 0; i < count; ++i)
        ellipse({first.x + i * step.x, first.y + i * step.y},
                {firstEnd.x + i * step.x, firstEnd.y + i * step.y});
    outline_ = saved;
    return *this;
}

Drawing& Drawing::capacitor(Point a, Point b, const std::string& name) {
    const Point mid = middle(a, b);
    if (isHorizontal(a, b)) {
        wire(a, {mid.x - kPlateGap, mid.y});
        wire({mid.x + kPlateGap, mid.y}, b);
        wire({mid.x - kPlateGap, mid.y - kPlateHalf}, {mid.x - kPlateGap, mid.y + kPlateHalf});
        wire({mid.x + kPlateGap, mid.y - kPlateHalf}, {mid.x + kPlateGap, mid.y + kPlateHalf});
        if (!name.empty()) text({mid.x - 50, mid.y - kPlateHalf - 250}, name);
    } else {
        wire(a, {mid.x, mid.y - kPlateGap});
        wire({mid.x, mid.y + kPlateGap}, b);
        wire({mid.x - kPlateHalf, mid.y - kPlateGap}, {mid.x + kPlateHalf, mid.y - kPlateGap});
        wire({mid.x - kPlateHalf, mid.y + kPlateGap}, {mid.x + kPlateHalf, mid.y + kPlateGap});
        if (!name.empty()) text({mid.x + kPlateHalf + 60, mid.y - 100}, name);
    }
    return *this;
}

Drawing& Drawing::transistor(Point base) {
    const Point bar{base.x + 150, base.y};
    wire(base, bar);
    wire({bar.x, bar.y - 150}, {bar.x, bar.y + 150});        // the base bar
    wire({bar.x, bar.y - 60}, {bar.x + 150, bar.y - 300});   // collector
    arrow({bar.x, bar.y + 60}, {bar.x + 150, bar.y + 300});  // emitter, arrow out (NPN)
    return ellipse({bar.x - 120, bar.y - 330}, {bar.x + 300, bar.y + 330});
}

Drawing& Drawing::diode(Point a, Point b, bool zener) {
    const double len = std::hypot(b.x - a.x, b.y - a.y);
    if (len == 0) return *this;
    const double ux = (b.x - a.x) / len, uy = (b.y - a.y) / len;
    const Point mid = middle(a, b);
    // a point `along` the axis from the middle and `across` it
    const auto at = [&](int along, int across) {
        return Point{mid.x + static_cast<int>(std::lround(along * ux - across * uy)),
                     mid.y + static_cast<int>(std::lround(along * uy + across * ux))};
    };
    wire(a, at(-kDiodeHalf, 0));
    wire(at(kDiodeHalf, 0), b);
    polyline({at(-kDiodeHalf, -kPlateHalf), at(-kDiodeHalf, kPlateHalf), at(kDiodeHalf, 0),
              at(-kDiodeHalf, -kPlateHalf)});
    if (zener)
        return polyline({at(kDiodeHalf - kTick / 2, -kPlateHalf - kTick / 2), at(kDiodeHalf, -kPlateHalf),
                         at(kDiodeHalf, kPlateHalf), at(kDiodeHalf + kTick / 2, kPlateHalf + kTick / 2)});
    return wire(at(kDiodeHalf, -kPlateHalf), at(kDiodeHalf, kPlateHalf));
}

Drawing& Drawing::ground(Point p) {
    wire({p.x - 150, p.y}, {p.x + 150, p.y});
    wire({p.x - 90, p.y + 50}, {p.x + 90, p.y + 50});
    return wire({p.x - 30, p.y + 100}, {p.x + 30, p.y + 100});
}

Drawing& Drawing::antenna(Point foot, Point top) {
    wire(foot, top);
    wire(top, {top.x - 150, top.y - 200});
    return wire(top, {top.x + 150, top.y - 200});
}

Drawing& Drawing::arrow(Point a, Point b) {
    wire(a, b);
    const double len = std::hypot(b.x - a.x, b.y - a.y);
    if (len == 0) return *this;
    const double ux = (b.x - a.x) / len;
    const double uy = (b.y - a.y) / len;
    // two sides at +-30 degrees behind the tip
    const auto side = [&](double s) {
        const double c = std::cos(0.5236), sn = std::sin(0.5236) * s;
        return Point{b.x - static_cast<int>(kArrowHead * (ux * c - uy * sn)),
                     b.y - static_cast<int>(kArrowHead * (uy * c + ux * sn))};
    };
    return add(
        {.kind = Stroke::Kind::Polygon, .points = {b, side(1), side(-1)}, .filled = true, .fill = pen_});
}

Drawing& Drawing::dimension(Point a, Point b, const std::string& label) {
    wire(a, b);
    if (isHorizontal(a, b)) {
        wire({a.x, a.y - kTick}, {a.x, a.y + kTick});
        wire({b.x, b.y - kTick}, {b.x, b.y + kTick});
        if (!label.empty()) text({(a.x + b.x) / 2 - 150, a.y - kTick - 220}, label);
    } else {
        wire({a.x - kTick, a.y}, {a.x + kTick, a.y});
        wire({b.x - kTick, b.y}, {b.x + kTick, b.y});
        if (!label.empty()) text({a.x + kTick + 40, (a.y + b.y) / 2 - 100}, label);
    }
    return *this;
}

Drawing& Drawing::node(Point p) { return ellipse({p.x - 30, p.y - 30}, {p.x + 30, p.y + 30}, true, pen_); }

Drawing& Drawing::text(Point p, const std::string& s) {
    return add({.kind = Stroke::Kind::Text, .points = {p}, .text = s});
}

Drawing& Drawing::rect(Point a, Point b, bool filled, Rgb fill) {
    return add({.kind = Stroke::Kind::Rect, .points = {a, b}, .filled = filled, .fill = fill});
}

Drawing& Drawing::ellipse(Point a, Point b, bool filled, Rgb fill) {
    return add({.kind = Stroke::Kind::Ellipse, .points = {a, b}, .filled = filled, .fill = fill});
}

ControlSpec imageControl(std::string name, Rect rect, Picture picture) {
    return {.kind = ControlKind::Image, .name = std::move(name), .rect = rect, .picture = std::move(picture)};
}

}  // namespace ondalab::schematic
