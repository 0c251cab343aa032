// The ring that shows which button, option, combo box or picture has the
// keyboard focus: an outline at least 2 px wide just outside the control,
// drawn above its neighbours, in the palette's highlight colour made to
// stand out 3 to 1 from what lies around it. Text boxes show their own
// cursor and need none.
#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace ondalab::qt {

class FocusRing : public QWidget {
    Q_OBJECT
public:
    explicit FocusRing(QWidget* window);

    // Does this widget show its focus by a ring?
    static bool wants(const QWidget* w);
    // Surrounds `target` (a child of the window), or hides for nullptr;
    // `around` are the colours beneath the ring, which it must read on.
    void follow(QWidget* target, const std::vector<QColor>& around);
    QWidget* target() const { return target_; }
    // The ring's width and colour, in logical pixels.
    int width() const { return width_; }
    QColor color() const { return color_; }
    // Where the ring goes for a control at `box`.
    QRect ringRect(const QRect& box) const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QPointer<QWidget> target_;
    QColor color_;
    int width_ = 2;
};

}  // namespace ondalab::qt
