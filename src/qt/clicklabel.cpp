#include "qt/clicklabel.h"

#include <QMouseEvent>

namespace ondalab::qt {

// A click is a left press and release over the label, as for a button.
void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
}

}  // namespace ondalab::qt
