#include "qt/drawing.h"

#include <QPolygon>

#include "qt/controlwidget.h"

namespace ondalab::qt {

namespace {

QPoint at(const Point& pt, QPoint origin, const TwipScale& s) {
    return origin + QPoint(s.pixels(pt.x), s.pixels(pt.y));
}

// Top-left and bottom-right corners; a lone point gives an empty box there.
QRect boxOf(const Stroke& st, QPoint origin, const TwipScale& s) {
    if (st.points.empty()) return {};
    const QPoint a = at(st.points.front(), origin, s);
    const QPoint b = at(st.points.size() > 1 ? st.points[1] : st.points.front(), origin, s);
    return QRect(a, b).normalized().adjusted(0, 0, -1, -1);  // QRect(a, b) includes b
}

void paintStroke(QPainter& p, const Stroke& st, QPoint origin, const TwipScale& s) {
    p.setPen(QPen(colorOf(st.pen), st.penWidth));
    p.setBrush(st.filled ? QBrush(colorOf(st.fill)) : Qt::NoBrush);
    switch (st.kind) {
        case Stroke::Kind::Line: {
            QPolygon line;
            for (const auto& pt : st.points) line << at(pt, origin, s);
            p.drawPolyline(line);
            break;
        }
        case Stroke::Kind::Polygon: {
            QPolygon poly;
            for (const auto& pt : st.points) poly << at(pt, origin, s);
            p.drawPolygon(poly);
            break;
        }
        case Stroke::Kind::Rect:
            p.drawRect(boxOf(st, origin, s));
            break;
        case Stroke::Kind::Ellipse:
            p.drawEllipse(boxOf(st, origin, s));
            break;
        case Stroke::Kind::Text: {
            const QRect box = boxOf(st, origin, s);
            const auto text = QString::fromStdString(st.text);
            if (box.width() > 0 && box.height() > 0)
                p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
            else if (!st.points.empty())
                p.drawText(QRect(at(st.points.front(), origin, s), QSize(4096, 4096)), Qt::AlignLeft | Qt::AlignTop,
                           text);
            break;
        }
    }
}

}  // namespace

void paintPicture(QPainter& p, const Picture& picture, QPoint origin, const TwipScale& s) {
    p.save();
    p.setFont(fontOf(Font{}));
    for (const auto& st : picture) paintStroke(p, st, origin, s);
    p.restore();
}

void paintControl(QPainter& p, const Control& c, const TwipScale& s, int topOffset) {
    const Rect& r = c.rect();
    const QRect box = s.pixels(r).translated(0, topOffset);
    p.save();
    switch (c.kind()) {
        case ControlKind::Image:
            p.setClipRect(box);
            paintPicture(p, c.spec().picture, box.topLeft(), s);
            break;
        case ControlKind::Line:
            p.setPen(QPen(colorOf(c.fore()), 1));
            p.drawLine(box.topLeft(), box.topLeft() + QPoint(box.width(), box.height()));
            break;
        case ControlKind::Shape:
            p.setPen(QPen(colorOf(c.fore()), 1));
            p.setBrush(c.spec().filled ? QBrush(colorOf(c.spec().back)) : Qt::NoBrush);
            if (c.spec().round)
                p.drawEllipse(box.adjusted(0, 0, -1, -1));
            else
                p.drawRect(box.adjusted(0, 0, -1, -1));
            break;
        default:
            break;
    }
    p.restore();
}

}  // namespace ondalab::qt
