#include "qt/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace ondalab::qt {

TwipScale TwipScale::ofPrimaryScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return TwipScale(screen ? screen->logicalDotsPerInch() : 96.0);
}

int TwipScale::pixels(int twips) const { return static_cast<int>(std::lround(twips * factor_ / 15.0)); }

int TwipScale::twips(int pixels) const { return static_cast<int>(std::lround(pixels * 15.0 / factor_)); }

// Left/top and width/height are each rounded on their own, so a size never
// depends on where the control sits.
QRect TwipScale::pixels(const Rect& r) const {
    return QRect(pixels(r.left), pixels(r.top), pixels(r.width), pixels(r.height));
}

Rect TwipScale::twips(const QRect& r) const { return {twips(r.x()), twips(r.y()), twips(r.width()), twips(r.height())}; }

QRect clientGeometry(const Rect& outer, const TwipScale& s) {
    return s.pixels(Rect{outer.left + kBorderTwips, outer.top + kCaptionTwips, outer.width - 2 * kBorderTwips,
                         outer.height - kCaptionTwips - kBorderTwips});
}

Rect outerGeometry(const QRect& client, const TwipScale& s) {
    const Rect c = s.twips(client);
    return {c.left - kBorderTwips, c.top - kCaptionTwips, c.width + 2 * kBorderTwips,
            c.height + kCaptionTwips + kBorderTwips};
}

}  // namespace ondalab::qt
