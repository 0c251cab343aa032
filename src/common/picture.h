// Drawings of our own (background pictures, coil and antenna sketches) as a
// list of simple strokes, so the view paints them without knowing the form.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ondalab {

using Rgb = std::uint32_t;  // 0xRRGGBB

namespace colors {
inline constexpr Rgb black = 0x000000;
inline constexpr Rgb white = 0xFFFFFF;
inline constexpr Rgb red = 0xFF0000;
inline constexpr Rgb blue = 0x0000FF;
inline constexpr Rgb darkBlue = 0x000080;
inline constexpr Rgb green = 0x008000;
inline constexpr Rgb grey = 0x808080;
inline constexpr Rgb face = 0xD4D0C8;  // the usual window face colour
}  // namespace colors

struct Point {
    int x = 0;
    int y = 0;
};

// One stroke in twips, relative to the picture's own top-left corner.
struct Stroke {
    enum class Kind { Line, Rect, Ellipse, Polygon, Text };
    Kind kind = Kind::Line;
    std::vector<Point> points = {};  // Line/Polygon: the vertices; Rect/Ellipse/Text: top-left, bottom-right
    Rgb pen = colors::black;
    int penWidth = 1;  // pixels
    bool filled = false;
    Rgb fill = colors::white;
    std::string text = {};  // Text strokes only
};

using Picture = std::vector<Stroke>;

}  // namespace ondalab
