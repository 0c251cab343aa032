// The keyboard, one set of rules for every form and every view: the focus
// stops Tab goes through (an option group is one stop), arrows inside an
// option group, Space, Return (the form's compute button), Escape, access
// keys, Ctrl+C with the form's readout (or the whole page of a document),
// F1 with the form's help page, and the name each control is known by to
// assistive tools. The views only forward keys here.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/form.h"

namespace ondalab {

class Workbench;

// A key or chord in Qt's portable text form: "Tab", "Shift+Tab", "Return",
// "Ctrl+C", "Alt+X". Letters come upper case; "Enter" is taken as Return.
struct Key {
    bool ctrl = false;
    bool alt = false;
    bool shift = false;
    std::string name;
};
std::optional<Key> parseKey(std::string_view text);

// Where Tab stops, in focus order: the usable text boxes, combo boxes,
// buttons and pictures the user clicks, and one entry per
// option group (its chosen button, else its first one).
std::vector<Control*> focusStops(const Form& f);

// The usable option buttons of `option`'s group, in focus order.
std::vector<Control*> optionGroup(const Form& f, const Control& option);

// The usable control whose caption carries `letter` as its access key.
Control* accessKeyOwner(const Form& f, char letter);

// The form as plain text: its caption, then the visible non-empty labels,
// text boxes, combo boxes and chosen options in reading order, one line per
// row of controls (those overlapping vertically by at least half the lower
// one's height), left to right, joined by tabs. A label beneath another
// with the same text (its shadow) is read once.
std::string readout(const Form& f);

// The name assistive tools give a control: a text box, combo box or picture
// takes the caption of the label beside it (the nearest to its left on the
// same row, else to its right, else the nearest above; a picture the title
// over it first), a button or option its caption.
std::string accessibleName(const Form& f, const Control& c);

// Does what `key` does on the form. False when the key is not one of the
// form's own (typing or moving the cursor in a text box, a menu's access
// key), so the view passes it on. `selection` is the text selected in the
// focused text box, which Ctrl+C copies instead of the readout.
bool pressKey(Workbench& wb, Form& form, const Key& key, const std::string& selection);

}  // namespace ondalab
