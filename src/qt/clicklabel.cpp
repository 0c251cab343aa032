#include "qt/clicklabel.h"

#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace ondalab::qt {

namespace {

bool isClick(const QWidget* w, const QMouseEvent* e) {
    return e->button() == Qt::LeftButton && w->rect().contains(e->position().toPoint());
}

}  // namespace

// A click is a left press and release over the label, as for a button;
// dragging over the text to select it is not one.
void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
    QLabel::mouseReleaseEvent(e);
    if (isClick(this, e) && !hasSelectedText()) emit clicked();
}

void ClickPicture::mouseReleaseEvent(QMouseEvent* e) {
    QWidget::mouseReleaseEvent(e);
    if (isClick(this, e)) emit clicked();
}

void ClickPicture::paintEvent(QPaintEvent*) {
    if (!hasFocus()) return;
    QStylePainter p(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(1, 1, -1, -1);
    p.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

}  // namespace ondalab::qt
