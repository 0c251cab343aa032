#include "qt/drawing.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

#include "qt/controlwidget.h"
#include "qt/palette.h"

namespace ondalab::qt {

namespace {

// Points halfway from a rectangle's centre to its corners, and the centre.
std::vector<QPoint> insidePoints(const QRect& r) {
    const QPoint c = r.center();
    const int dx = r.width() / 4, dy = r.height() / 4;
    return {c, c + QPoint(-dx, -dy), c + QPoint(dx, -dy), c + QPoint(-dx, dy), c + QPoint(dx, dy)};
}

// The middle of each side: where a rectangle's or an ellipse's outline runs.
std::vector<QPoint> outlinePoints(const QRect& r) {
    const QPoint c = r.center();
    return {{c.x(), r.top()}, {c.x(), r.bottom()}, {r.left(), c.y()}, {r.right(), c.y()}};
}

double worst(const QColor& c, const std::vector<QColor>& grounds) {
    double least = 21.0;
    for (const QColor& g : grounds) least = std::min(least, contrast(c, g));
    return least;
}

std::vector<QPoint> polylinePoints(const QPolygon& line) {
    std::vector<QPoint> out;
    for (int i = 0; i < line.size(); ++i) {
        out.push_back(line[i]);
        if (i > 0) out.push_back((line[i - 1] + line[i]) / 2);
    }
    return out;
}

QPainterPath outlineOf(Stroke::Kind kind, const QPolygon& points, const QRect& box) {
    QPainterPath path;
    if (kind == Stroke::Kind::Polygon)
        path.addPolygon(QPolygonF(points));
    else if (kind == Stroke::Kind::Ellipse)
        path.addEllipse(QRectF(box));
    else
        path.addRect(QRectF(box.adjusted(0, 0, 1, 1)));
    return path;
}

}  // namespace

QColor inkOf(Rgb model, const QPalette& pal) {
    if (model == colors::black) return pal.color(QPalette::WindowText);
    if (model == colors::white) return pal.color(QPalette::Base);
    return colorOf(model);
}

QColor faceOf(const Form& form, const QPalette& pal) {
    const Rgb back = form.spec().back;
    return back == colors::face ? pal.color(QPalette::Window) : colorOf(back);
}

Canvas::Canvas(const Form& form, const QPalette& pal, const TwipScale& s, QPoint origin, const QRect& shown)
    : pal_(pal), s_(s), origin_(origin), shown_(shown), face_(faceOf(form, pal)) {
    addPicture(form.spec().background, origin_, {}, {});
    for (const auto& c : form.controls())
        if (c->visible()) addControl(*c);
}

void Canvas::addPicture(const Picture& picture, QPoint origin, const QRect& clip, const std::string& owner) {
    const auto at = [&](const Point& pt) { return origin + QPoint(s_.pixels(pt.x), s_.pixels(pt.y)); };
    for (const Stroke& st : picture) {
        if (st.points.empty()) continue;
        // A text's descenders may reach past its picture's edge: it is not clipped.
        const QRect cut = st.kind == Stroke::Kind::Text ? QRect() : clip;
        Piece piece{st.kind, {},   {}, QPen(Qt::black, 1), Qt::NoBrush, QString::fromStdString(st.text),
                    cut,     false};
        piece.pen.setWidth(std::max(1, static_cast<int>(std::lround(st.penWidth * s_.text()))));
        for (const auto& pt : st.points) piece.points << at(pt);
        // Top-left and bottom-right corners; a lone point gives an empty box there.
        const QPoint a = piece.points.front(), b = piece.points.size() > 1 ? piece.points[1] : a;
        piece.box = QRect(a, b).normalized().adjusted(0, 0, -1, -1);  // QRect(a, b) includes b
        std::vector<QPoint> samples;
        switch (st.kind) {
            case Stroke::Kind::Line:
            case Stroke::Kind::Polygon:
                samples = polylinePoints(piece.points);
                break;
            case Stroke::Kind::Rect:
            case Stroke::Kind::Ellipse:
                samples = outlinePoints(piece.box);
                break;
            case Stroke::Kind::Text: {
                // A text placed by its corner alone runs on unwrapped.
                piece.wrap = piece.box.width() > 0 && piece.box.height() > 0;
                QRect inked = piece.box;
                if (!piece.wrap)
                    inked = QRect(a, QFontMetrics(fontOf(Font{}, s_.text())).size(0, piece.text));
                samples = insidePoints(inked);
                break;
            }
        }
        const bool filled = st.filled && st.kind != Stroke::Kind::Line && st.kind != Stroke::Kind::Text;
        add(std::move(piece), owner, st.pen, filled, st.fill, st.kind == Stroke::Kind::Text, samples);
    }
}

void Canvas::addControl(const Control& c) {
    const QRect box = s_.pixels(c.rect()).translated(origin_);
    switch (c.kind()) {
        case ControlKind::Image:
            addPicture(c.spec().picture, box.topLeft(), box, c.name());
            break;
        case ControlKind::Line: {
            Piece piece{Stroke::Kind::Line, {}, {}, QPen(Qt::black, 1), Qt::NoBrush, {}, {}, false};
            piece.points << box.topLeft() << box.topLeft() + QPoint(box.width(), box.height());
            const auto samples = polylinePoints(piece.points);
            add(std::move(piece), c.name(), c.fore(), false, 0, false, samples);
            break;
        }
        case ControlKind::Shape: {
            const auto kind = c.spec().round ? Stroke::Kind::Ellipse : Stroke::Kind::Rect;
            const QRect inner = box.adjusted(0, 0, -1, -1);
            Piece piece{kind, {}, inner, QPen(Qt::black, 1), Qt::NoBrush, {}, {}, false};
            add(std::move(piece), c.name(), c.fore(), c.spec().filled, c.spec().back, false,
                outlinePoints(inner));
            break;
        }
        default:
            break;
    }
}

void Canvas::add(Piece piece, const std::string& owner, Rgb pen, bool filled, Rgb fill, bool text,
                 const std::vector<QPoint>& samples) {
    // A filled piece drawn in its own fill colour is an area: the ground of
    // what comes later, kept as it is. Any other ink must stand out.
    const bool area = filled && pen == fill;
    const QColor ink = inkOf(pen, pal_);
    if (area) {
        piece.pen.setColor(ink);
    } else {
        // Only what shows counts: not what lies past the window's or the
        // picture's edge.
        const QRect visible = piece.clip.isEmpty() ? shown_ : piece.clip.intersected(shown_);
        std::vector<QColor> under;
        for (const QPoint& at : samples) {
            if (!visible.contains(at)) continue;
            const QColor c = beneath(at);
            if (std::find(under.begin(), under.end(), c) == under.end()) under.push_back(c);
        }
        const double ratio = text ? kTextContrast : kInkContrast;
        const QColor shown = readable(ink, under, ratio);
        if (under.size() < 2 || worst(shown, under) >= ratio) {
            piece.pen.setColor(shown);
            marks_.push_back({owner, shown, std::move(under), text});
        } else {
            // No one colour reads on both a light and a dark ground: each
            // part of the piece takes its own, over what lies beneath it.
            for (const QColor& ground : under) {
                const QColor part = readable(ink, {ground}, ratio);
                piece.parts.push_back({regionOf(ground, visible), part});
                marks_.push_back({owner, part, {ground}, text});
            }
        }
    }
    if (filled) {
        const QColor paper = inkOf(fill, pal_);
        piece.brush = QBrush(paper);
        QPainterPath path = outlineOf(piece.kind, piece.points, piece.box);
        if (!piece.clip.isEmpty()) {
            QPainterPath clip;
            clip.addRect(QRectF(piece.clip));
            path = path.intersected(clip);
        }
        areas_.emplace_back(std::move(path), paper);
    }
    pieces_.push_back(std::move(piece));
}

// Where the window shows `ground`: the areas painted in it, less those
// painted over them since; the face is what no area covers.
QPainterPath Canvas::regionOf(const QColor& ground, const QRect& visible) const {
    QPainterPath region, above;
    for (auto it = areas_.rbegin(); it != areas_.rend(); ++it) {
        if (it->second == ground) region = region.united(it->first.subtracted(above));
        above = above.united(it->first);
    }
    if (ground == face_) {
        QPainterPath all;
        all.addRect(QRectF(visible));
        region = region.united(all.subtracted(above));
    }
    QPainterPath clip;
    clip.addRect(QRectF(visible));
    return region.intersected(clip);
}

QColor Canvas::beneath(QPoint at) const {
    for (auto it = areas_.rbegin(); it != areas_.rend(); ++it)
        if (it->first.contains(QPointF(at))) return it->second;
    return face_;
}

std::vector<QColor> Canvas::under(const QRect& r) const {
    std::vector<QColor> out;
    for (const QPoint& at : insidePoints(r)) {
        const QColor c = beneath(at);
        if (std::find(out.begin(), out.end(), c) == out.end()) out.push_back(c);
    }
    return out;
}

void Canvas::paint(QPainter& p, const QRect& all) const {
    p.save();
    p.fillRect(all, face_);
    p.setFont(fontOf(Font{}, s_.text()));
    for (const Piece& piece : pieces_) {
        if (piece.clip.isEmpty())
            p.setClipping(false);
        else
            p.setClipRect(piece.clip);
        p.setBrush(piece.brush);
        if (piece.parts.empty()) {
            p.setPen(piece.pen);
            draw(p, piece);
        }
        for (const auto& [region, ink] : piece.parts) {
            p.setClipPath(region);
            QPen pen = piece.pen;
            pen.setColor(ink);
            p.setPen(pen);
            draw(p, piece);
        }
    }
    p.restore();
}

void Canvas::draw(QPainter& p, const Piece& piece) {
    switch (piece.kind) {
        case Stroke::Kind::Line:
            p.drawPolyline(piece.points);
            break;
        case Stroke::Kind::Polygon:
            p.drawPolygon(piece.points);
            break;
        case Stroke::Kind::Rect:
            p.drawRect(piece.box);
            break;
        case Stroke::Kind::Ellipse:
            p.drawEllipse(piece.box);
            break;
        case Stroke::Kind::Text:
            if (piece.wrap)
                p.drawText(piece.box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, piece.text);
            else
                p.drawText(QRect(piece.box.topLeft(), QSize(4096, 4096)), Qt::AlignLeft | Qt::AlignTop,
                           piece.text);
            break;
    }
}

}  // namespace ondalab::qt
