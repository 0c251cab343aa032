// Widgets that tell when they are clicked: labels (result labels and
// captions on some forms run a handler when clicked) and the pictures a
// user chooses by clicking them, which the keyboard reaches as well.
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

// Lies transparent over a picture the form paints; shows the keyboard
// focus around it.
class ClickPicture : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
};

}  // namespace ondalab::qt
