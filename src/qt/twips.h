// Twips <-> pixels. A twip is 1/1440 inch, so 15 twips make one pixel at
// 96 dpi; on a screen with another logical dpi everything scales with it,
// and again by the view's text scale: the desktop's type over the forms'
// own, times the user's zoom. Positions on the screen follow the screen
// alone, sizes and what lies inside a window follow both.
// The model's form geometry is the outer window; Qt places the client area,
// so the window chrome is added or removed here and nowhere else.
#pragma once

#include <QRect>

#include "common/form.h"

namespace ondalab::qt {

class TwipScale {
public:
    explicit TwipScale(double logicalDpi = 96.0, double text = 1.0)
        : dpi_(logicalDpi), text_(text), factor_(logicalDpi / 96.0 * text) {}
    // The primary screen's logical dpi (96 when there is no screen).
    static TwipScale ofPrimaryScreen(double text = 1.0);

    double factor() const { return factor_; }
    double text() const { return text_; }
    // The same screen without the text scale: where windows stand.
    TwipScale screen() const { return TwipScale(dpi_); }
    int pixels(int twips) const;
    int twips(int pixels) const;
    QRect pixels(const Rect& r) const;
    Rect twips(const QRect& r) const;

private:
    double dpi_;
    double text_;
    double factor_;
};

// Outer geometry of a form in twips -> its client area in screen pixels.
QRect clientGeometry(const Rect& outer, const TwipScale& s);
// And back: a client area in screen pixels -> the outer geometry in twips.
Rect outerGeometry(const QRect& client, const TwipScale& s);

}  // namespace ondalab::qt
