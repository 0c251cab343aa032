// The widget for each kind of control and the one place that writes a
// control's state (text, geometry, colours, font...) onto its widget.
// Painted kinds (image, line, shape) and timers have no widget.
#pragma once

#include <QPalette>
#include <QWidget>
#include <string>
#include <vector>

#include "common/control.h"
#include "qt/twips.h"

namespace ondalab::qt {

// A new widget for the control, or nullptr for kinds drawn by the form.
QWidget* createWidget(const Control& c, QWidget* parent);
bool isPainted(ControlKind kind);

// Writes everything the model says about the control onto its widget;
// `origin` is where the client area's corner lies in the window (below
// the menu bar, moved by scrolling), `fore` the colour its text
// is painted in (foreOf). The caption gets the form's type, reduced only as
// far as it must be to fit. Signals stay blocked while writing, so nothing
// goes back to the model.
void applyState(QWidget* w, const Control& c, const TwipScale& s, QPoint origin, const QColor& fore);

// The colour a control's text is painted in: the palette's for black, the
// form's own otherwise, made readable on the control's own background or,
// for those that have none, on the colours `beneath` it; a stale result
// greyed.
QColor foreOf(const Control& c, const QPalette& pal, const std::vector<QColor>& beneath);

// The name assistive tools read; a text box's comes from the label beside it.
void applyAccessibleName(QWidget* w, const Control& c);

// Qt's own focus chain stops where the model's Tab does: an option button
// is a stop only as its group's entry (the chosen one, else the first).
void applyTabStop(QWidget* w, const Control& c);

// The palette role that carries a kind's fore colour.
QPalette::ColorRole foreRole(ControlKind kind);
// The control's type, `scale` times its size (the view's text scale).
QFont fontOf(const Font& f, double scale = 1.0);
QColor colorOf(Rgb rgb);
Rgb rgbOf(const QColor& c);

// What a widget shows as its caption or text, access keys removed:
// "&CALCOLA" -> "CALCOLA", "&&" -> "&".
std::string shownText(const QWidget* w);
QString withoutAccessKeys(const QString& s);

}  // namespace ondalab::qt
