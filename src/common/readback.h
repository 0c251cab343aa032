// What the user is told a text box read: a flagged box's tooltip says what
// the leading-number parse took from it and, where a comma stopped the
// parse, that the inputs' decimal separator is the point. A stale result's
// says that it is the previous input's.
#pragma once

#include <string>
#include <string_view>

#include "common/control.h"

namespace ondalab {

// The part of the text, blanks dropped, that the parse reads ("1" of "1,5",
// "4" of "4k7"); empty when it reads no number ("abc", "-").
std::string readPart(std::string_view text);

// The control's tooltip as the user sees it: a flagged box's own tooltip
// followed by "letto come ...", a stale result's followed by what it is.
std::string seenTooltip(const Control& c);

}  // namespace ondalab
