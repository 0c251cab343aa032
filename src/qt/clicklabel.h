// A label that tells when it is clicked: result labels and captions on some
// forms run a handler when the user clicks them.
#pragma once

#include <QLabel>

namespace ondalab::qt {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
};

}  // namespace ondalab::qt
