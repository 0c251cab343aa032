// Whether a label, button, option or frame shows its whole caption inside
// its rectangle in a given font: every line inside, descenders included,
// no word cut and no punctuation left alone on a line. A caption that does
// not fit in the form's type gets the smallest reduction that makes it fit.
#pragma once

#include <QFont>
#include <QString>

class QWidget;

namespace ondalab::qt {

// Empty when the caption fits, else what is wrong ("3 lines, 2 fit").
QString misfit(const QWidget* w, const QFont& font);

// Sets the designed font, or the largest one a quarter point at a time
// smaller, down to 60 % of it, that fits; true when it had to be reduced.
bool fitFont(QWidget* w, const QFont& designed);

}  // namespace ondalab::qt
