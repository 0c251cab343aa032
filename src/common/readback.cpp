#include "common/readback.h"

#include <algorithm>

#include "common/numbers.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

std::string withoutBlanks(std::string_view text) {
    std::string s(text);
    std::erase_if(s, [](char c) { return c == ' ' || c == '\t' || c == '\n'; });
    return s;
}

}  // namespace

// The longest start of the text that the parse reads whole is what it read.
std::string readPart(std::string_view text) {
    const std::string s = withoutBlanks(text);
    for (size_t n = s.size(); n > 0; --n) {
        const std::string_view start(s.data(), n);
        if (readsWhole(start) &&
            (start.find_first_of("0123456789") != std::string_view::npos || start[0] == '&'))
            return std::string(start);
    }
    return {};
}

std::string seenTooltip(const Control& c) {
    const Workbench& wb = c.form().workbench();
    if (c.stale())
        return (c.tooltip().empty() ? "" : c.tooltip() + "\n") +
               wb.translate(kSharedContext, TR("ondalab", "risultato del dato precedente"));
    if (!c.flagged()) return c.tooltip();
    const std::string read = readPart(c.text());
    std::string tip =
        (c.tooltip().empty() ? "" : c.tooltip() + "\n") +
        compose(wb.translate(kSharedContext, TR("ondalab", "letto come %1")), {read.empty() ? "0" : read});
    // A comma is the usual slip: the inputs read the point as the decimal separator.
    const std::string s = withoutBlanks(c.text());
    if (s.size() > read.size() && s[read.size()] == ',')
        tip += wb.translate(kSharedContext, TR("ondalab", " (il separatore decimale è il punto)"));
    return tip;
}

}  // namespace ondalab
