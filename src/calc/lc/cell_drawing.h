// Small drawing kit for the LC schematics of our forms: wires, coils drawn
// as a row of loops, capacitors as two plates, ground bars and part names,
// all in twips relative to the picture's corner.
#pragma once

#include <string>

#include "common/picture.h"

namespace ondalab::sketch {

class Drawing {
public:
    // A straight wire.
    Drawing& wire(Point a, Point b);
    // A coil of `loops` half-circles between a and b (horizontal or vertical),
    // with its name beside it.
    Drawing& coil(Point a, Point b, const std::string& name = "L", int loops = 4);
    // A capacitor between a and b (horizontal or vertical): leads up to two
    // plates across the middle, with its name beside it.
    Drawing& capacitor(Point a, Point b, const std::string& name = "C");
    // A ground bar centred on p.
    Drawing& ground(Point p);
    // A small dot where wires join.
    Drawing& node(Point p);
    Drawing& text(Point p, const std::string& s);
    Drawing& rect(Point a, Point b, bool filled = false, Rgb fill = colors::white);
    Drawing& ellipse(Point a, Point b, bool filled = false, Rgb fill = colors::white);

    Picture picture() const { return strokes_; }

private:
    Picture strokes_;
};

}  // namespace ondalab::sketch
