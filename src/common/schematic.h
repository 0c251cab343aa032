// The one way our forms draw their schematics and antenna sketches: a
// Drawing collects wires, parts (resistor, capacitor, coil, transistor,
// ground, antenna), dimension lines and texts as strokes of a Picture, in
// twips relative to the picture's corner, and the form shows the picture
// as an Image control. The view paints it without knowing the form.
#pragma once

#include <string>

#include "common/catalogue.h"
#include "common/control.h"
#include "common/picture.h"

namespace ondalab::schematic {

class Drawing {
public:
    // The pen for the strokes that follow (black, 2 pixels to start with):
    // wires, arrows and coil turns take its colour and width; boxes and
    // circles its colour and the outline width (1 pixel to start with).
    Drawing& pen(Rgb color, int width = 2);
    Drawing& outline(int width);

    // A straight wire, or a polyline through several points.
    Drawing& wire(Point a, Point b);
    Drawing& polyline(std::vector<Point> points);
    // Two-terminal parts between a and b (horizontal or vertical), leads
    // included, with their name beside them when one is given.
    Drawing& resistor(Point a, Point b, const std::string& name = TR("ondalab", "R"));
    Drawing& capacitor(Point a, Point b, const std::string& name = TR("ondalab", "C"));
    Drawing& coil(Point a, Point b, const std::string& name = TR("ondalab", "L"), int loops = 4);
    // A coil seen from the side: `count` turns as ellipses, the first in the
    // box first..firstEnd, each next one shifted by `step`.
    Drawing& turns(int count, Point first, Point firstEnd, Point step);
    // An NPN transistor whose base lead starts at `base`: collector up,
    // emitter (with its arrow) down, both ending 300 twips right and 300
    // above / below the base.
    Drawing& transistor(Point base);
    // A diode from anode a to cathode b, in any direction: a triangle
    // pointing at b and the cathode bar; a zener's bar has bent tips.
    Drawing& diode(Point a, Point b, bool zener = false);
    // A ground bar centred on p.
    Drawing& ground(Point p);
    // An antenna symbol: a mast from `foot` up to `top` with a V at the top.
    Drawing& antenna(Point foot, Point top);
    // A line with an arrow head at b.
    Drawing& arrow(Point a, Point b);
    // A dimension line from a to b with end ticks, its text beside the middle.
    Drawing& dimension(Point a, Point b, const std::string& label = {});
    // A small dot where wires join.
    Drawing& node(Point p);
    Drawing& text(Point p, const std::string& s);
    Drawing& rect(Point a, Point b, bool filled = false, Rgb fill = colors::white);
    Drawing& ellipse(Point a, Point b, bool filled = false, Rgb fill = colors::white);

    const Picture& picture() const { return strokes_; }

private:
    Drawing& add(Stroke s);

    Picture strokes_;
    Rgb pen_ = colors::black;
    int width_ = 2;
    int outline_ = 1;
};

// The Image control that shows a drawing, at `rect` in client twips.
ControlSpec imageControl(std::string name, Rect rect, Picture picture);

}  // namespace ondalab::schematic
