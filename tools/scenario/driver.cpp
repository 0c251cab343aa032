#include "scenario/driver.h"

#include <algorithm>

namespace ondalab::scenario {

void Driver::typeChars(Form& f, Control& c, const std::string& chars) {
    focus(f, c);
    const auto& open = wb_.openForms();
    for (size_t i = 0; i < chars.size();) {
        // A Change handler may have closed the form, and the form is gone
        // with its controls: the rest of the text has nowhere to go.
        if (std::find(open.begin(), open.end(), &f) == open.end()) return;
        size_t len = 1;  // one UTF-8 sequence: a lead byte and its continuation bytes
        while (i + len < chars.size() && (static_cast<unsigned char>(chars[i + len]) & 0xC0) == 0x80) ++len;
        replaceText(f, c, c.text() + chars.substr(i, len));
        i += len;
    }
}

void Driver::press(Form& f, const std::string& key) {
    if (wb_.userKey(f, key)) return;
    // Not a key of the form's own: in a text box a blank is typed.
    Control* c = f.focused();
    if (key == "Space" && c && (c->kind() == ControlKind::TextBox || c->kind() == ControlKind::Combo))
        replaceText(f, *c, c->text() + " ");
}

}  // namespace ondalab::scenario
