#include "qt/palette.h"

#include <QApplication>
#include <QStyle>
#include <algorithm>
#include <cmath>

namespace ondalab::qt {

namespace {

double channel(double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); }

double worst(const QColor& c, const std::vector<QColor>& backgrounds) {
    double least = 21.0;
    for (const QColor& b : backgrounds) least = std::min(least, contrast(c, b));
    return least;
}

}  // namespace

double luminance(const QColor& c) {
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readable(const QColor& wanted, const std::vector<QColor>& backgrounds, double ratio) {
    if (worst(wanted, backgrounds) >= ratio) return wanted;
    const QColor hsl = wanted.toHsl();
    const double h = hsl.hslHueF(), s = hsl.hslSaturationF(), l = hsl.lightnessF();
    // Lighter and darker by the same small steps: the first that reads wins.
    constexpr double kStep = 1.0 / 256;
    for (double d = kStep; d <= 1.0; d += kStep) {
        for (const double at : {l - d, l + d}) {
            if (at < 0.0 || at > 1.0) continue;
            const QColor c = QColor::fromHslF(h < 0 ? 0 : h, s, at).toRgb();
            if (worst(c, backgrounds) >= ratio) return c;
        }
    }
    const QColor black(Qt::black), white(Qt::white);
    return worst(black, backgrounds) >= worst(white, backgrounds) ? black : white;
}

QPalette lightPalette() { return QApplication::style()->standardPalette(); }

QPalette darkPalette() {
    const QColor window(0x35, 0x35, 0x35), base(0x23, 0x23, 0x23), text(0xE6, 0xE6, 0xE6),
        button(0x45, 0x45, 0x45), disabled(0x80, 0x80, 0x80), highlight(0x2A, 0x82, 0xDA);
    QPalette p;
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, disabled);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, button);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Link, highlight.lighter(130));
    p.setColor(QPalette::Highlight, highlight);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Light, button.lighter(150));
    p.setColor(QPalette::Midlight, button.lighter(125));
    p.setColor(QPalette::Mid, button.darker(120));
    p.setColor(QPalette::Dark, button.darker(150));
    p.setColor(QPalette::Shadow, Qt::black);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabled);
    return p;
}

void applyPaletteFromEnv() {
    const QByteArray choice = qgetenv("ONDALAB_PALETTE");
    if (choice == "dark")
        QApplication::setPalette(darkPalette());
    else if (choice == "light")
        QApplication::setPalette(lightPalette());
}

}  // namespace ondalab::qt
