// Painting what the model describes as drawings: the form's face, its
// background picture and the painted controls (images, lines, shapes), each
// piece in the colour the desktop's palette and its background call for.
#pragma once

#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <string>
#include <vector>

#include "common/form.h"
#include "qt/twips.h"

namespace ondalab::qt {

// The colour a model colour is painted in before any contrast is checked:
// black ink takes the palette's text colour and white paper its base
// colour, so drawings follow the desktop; other colours are the form's own.
QColor inkOf(Rgb model, const QPalette& pal);
// The client area's colour: the palette's window colour for the usual
// face, the form's own colour otherwise.
QColor faceOf(const Form& form, const QPalette& pal);

// Everything a form paints beneath its widgets, in painting order, worked
// out once for a palette: each line, outline and text stands out from what
// lies beneath it (kInkContrast, kTextContrast); filled areas keep their
// colours, as they are the background of what comes after them.
class Canvas {
public:
    // `shown` is the client area, in the window's pixels.
    // `origin`: where the client area's corner lies in the window.
    Canvas(const Form& form, const QPalette& pal, const TwipScale& s, QPoint origin, const QRect& shown);

    // Paints the face over `all` (the client area), then every piece.
    void paint(QPainter& p, const QRect& all) const;
    // The colours painted under a rectangle of the window: at its centre
    // and four points halfway to its corners.
    std::vector<QColor> under(const QRect& r) const;

    // A line, outline or text of a drawing, the colour it is painted in and
    // the colours beneath it.
    struct Mark {
        std::string control;  // the image, line or shape; empty for the form's background
        QColor ink;
        std::vector<QColor> beneath;
        bool text = false;
    };
    const std::vector<Mark>& marks() const { return marks_; }

private:
    struct Piece {
        Stroke::Kind kind;
        QPolygon points;  // lines and polygons
        QRect box;        // rectangles, ellipses, text
        QPen pen;
        QBrush brush;
        QString text;
        QRect clip;  // empty: none
        bool wrap;   // text: wrapped inside its box
        // A piece over grounds no one colour reads on: each region of the
        // window with its own ink. Empty: the pen's colour everywhere.
        std::vector<std::pair<QPainterPath, QColor>> parts = {};
    };
    static void draw(QPainter& p, const Piece& piece);
    QPainterPath regionOf(const QColor& ground, const QRect& visible) const;
    void addPicture(const Picture& picture, QPoint origin, const QRect& clip, const std::string& owner);
    void addControl(const Control& c);
    // Resolves the piece's ink against what is beneath its samples, then
    // records it (and its fill as an area when it is filled).
    void add(Piece piece, const std::string& owner, Rgb pen, bool filled, Rgb fill, bool text,
             const std::vector<QPoint>& samples);
    QColor beneath(QPoint at) const;

    QPalette pal_;
    TwipScale s_;
    QPoint origin_;
    QRect shown_;
    QColor face_;
    std::vector<Piece> pieces_;
    std::vector<std::pair<QPainterPath, QColor>> areas_;
    std::vector<Mark> marks_;
};

}  // namespace ondalab::qt
