// Painting what the model describes as drawings: pictures (lists of
// strokes) and the painted controls (images, lines, shapes).
#pragma once

#include <QPainter>

#include "common/control.h"
#include "common/picture.h"
#include "qt/twips.h"

namespace ondalab::qt {

// Paints the picture with its top-left corner at `origin` (pixels).
void paintPicture(QPainter& p, const Picture& picture, QPoint origin, const TwipScale& s);

// Paints an image, line or shape control; other kinds are left alone.
// `topOffset` is the menu bar height in pixels.
void paintControl(QPainter& p, const Control& c, const TwipScale& s, int topOffset);

}  // namespace ondalab::qt
