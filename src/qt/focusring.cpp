#include "qt/focusring.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "qt/clicklabel.h"
#include "qt/palette.h"

namespace ondalab::qt {

FocusRing::FocusRing(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("focusring"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

bool FocusRing::wants(const QWidget* w) {
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const ClickPicture*>(w);
}

QRect FocusRing::ringRect(const QRect& box) const {
    const int m = width_ + 1;  // one pixel of air between the control and its ring
    return box.adjusted(-m, -m, m, m);
}

void FocusRing::follow(QWidget* target, const std::vector<QColor>& around) {
    target_ = target;
    if (!target || !target->isVisibleTo(parentWidget())) {
        hide();
        return;
    }
    // Wider as the type grows, so it keeps its weight beside the text.
    const double grown = std::max(1.0, target->font().pointSizeF() / 8.0);
    width_ = std::max(2, static_cast<int>(std::lround(2 * grown)));
    std::vector<QColor> grounds = around;
    grounds.push_back(palette().color(QPalette::Window));
    color_ = readable(palette().color(QPalette::Highlight), grounds, kInkContrast);
    setGeometry(ringRect(target->geometry()));
    show();
    raise();
    update();
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QPen pen(color_, width_);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    const double half = width_ / 2.0;
    p.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}

}  // namespace ondalab::qt
