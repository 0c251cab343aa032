#include "qt/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace ondalab::qt {

TwipScale TwipScale::ofPrimaryScreen(double text) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return TwipScale(screen ? screen->logicalDotsPerInch() : 96.0, text);
}

int TwipScale::pixels(int twips) const { return static_cast<int>(std::lround(twips * factor_ / 15.0)); }

int TwipScale::twips(int pixels) const { return static_cast<int>(std::lround(pixels * 15.0 / factor_)); }

// Left/top and width/height are each rounded on their own, so a size never
// depends on where the control sits.
QRect TwipScale::pixels(const Rect& r) const {
    return QRect(pixels(r.left), pixels(r.top), pixels(r.width), pixels(r.height));
}

Rect TwipScale::twips(const QRect& r) const {
    return {twips(r.x()), twips(r.y()), twips(r.width()), twips(r.height())};
}

QRect clientGeometry(const Rect& outer, const TwipScale& s) {
    const TwipScale at = s.screen();
    return QRect(at.pixels(outer.left + kBorderTwips), at.pixels(outer.top + kCaptionTwips),
                 s.pixels(outer.width - 2 * kBorderTwips),
                 s.pixels(outer.height - kCaptionTwips - kBorderTwips));
}

Rect outerGeometry(const QRect& client, const TwipScale& s) {
    const TwipScale at = s.screen();
    return {at.twips(client.x()) - kBorderTwips, at.twips(client.y()) - kCaptionTwips,
            s.twips(client.width()) + 2 * kBorderTwips,
            s.twips(client.height()) + kCaptionTwips + kBorderTwips};
}

}  // namespace ondalab::qt
