// Colours that stay readable on any desktop palette. The forms fix a few
// colours of their own (red and blue captions, the main window's picture);
// the model keeps them as documented and the view paints each one as it is,
// or moved in lightness only as far as it takes to stand out from what lies
// beneath it: text by 4.5 to 1, lines and outlines by 3 to 1.
#pragma once

#include <QColor>
#include <QPalette>
#include <vector>

namespace ondalab::qt {

inline constexpr double kTextContrast = 4.5;
inline constexpr double kInkContrast = 3.0;

// Relative luminance and contrast ratio, as accessibility guidelines
// define them (1 to 21).
double luminance(const QColor& c);
double contrast(const QColor& a, const QColor& b);

// `wanted` with its hue and saturation kept and its lightness moved the
// least that gives `ratio` against every background (black or white, the
// better one, when no lightness does).
QColor readable(const QColor& wanted, const std::vector<QColor>& backgrounds, double ratio);

// The two palettes a user may pick with ONDALAB_PALETTE=light|dark (the
// desktop's own palette otherwise); the dark one is a usual dark scheme.
QPalette lightPalette();
QPalette darkPalette();
void applyPaletteFromEnv();

}  // namespace ondalab::qt
