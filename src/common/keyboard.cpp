#include "common/keyboard.h"

#include <algorithm>
#include <cctype>

#include "common/workbench.h"

namespace ondalab {

namespace {

char upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

bool isKind(const Control* c, std::initializer_list<ControlKind> kinds) {
    return c && std::find(kinds.begin(), kinds.end(), c->kind()) != kinds.end();
}

// Where the keys that move a cursor or scroll stay with the control, and
// Ctrl+C copies the control's own selection.
bool editable(const Control* c) {
    return isKind(c, {ControlKind::TextBox, ControlKind::Combo, ControlKind::Document});
}

// Clicked by Space and Return: buttons and pictures.
bool pressable(const Control* c) { return isKind(c, {ControlKind::Button, ControlKind::Image}); }

size_t tableIndex(const Form& f, const Control* c) {
    const auto& all = f.controls();
    for (size_t i = 0; i < all.size(); ++i)
        if (all[i].get() == c) return i;
    return all.size();
}

bool sameStop(const Control* stop, const Control* c) {
    if (stop == c) return true;
    return c && stop->kind() == ControlKind::Option && c->kind() == ControlKind::Option &&
           stop->spec().group == c->spec().group;
}

// The access key a caption carries: the character after a single "&".
char accessKeyOf(const std::string& caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] != '&') return upper(caption[i + 1]);
        ++i;  // "&&" is a plain "&"
    }
    return 0;
}

int bottom(const Rect& r) { return r.top + r.height; }
int right(const Rect& r) { return r.left + r.width; }

// Controls on one row: they overlap vertically by at least half the lower one's height.
bool sameRow(const Rect& a, const Rect& b) {
    const int overlap = std::min(bottom(a), bottom(b)) - std::max(a.top, b.top);
    return overlap > 0 && 2 * overlap >= std::min(a.height, b.height);
}

bool overlaps(const Rect& a, const Rect& b) {
    return a.left < right(b) && b.left < right(a) && a.top < bottom(b) && b.top < bottom(a);
}

void moveFocus(Workbench& wb, Form& form, bool forward) {
    const auto stops = focusStops(form);
    if (stops.empty()) return;
    const Control* focus = form.focused();
    const auto at =
        std::find_if(stops.begin(), stops.end(), [&](const Control* s) { return sameStop(s, focus); });
    Control* next = nullptr;
    if (at != stops.end()) {
        const auto n = static_cast<long>(stops.size());
        const long i = (at - stops.begin() + (forward ? 1 : n - 1)) % n;
        next = stops[static_cast<size_t>(i)];
    } else {  // the focus is nowhere Tab stops: go on from its place in the table
        const size_t from = tableIndex(form, focus);
        if (forward) {
            const auto after = std::find_if(stops.begin(), stops.end(), [&](const Control* s) {
                return !focus || tableIndex(form, s) > from;
            });
            next = after != stops.end() ? *after : stops.front();
        } else {
            const auto before = std::find_if(stops.rbegin(), stops.rend(), [&](const Control* s) {
                return focus && tableIndex(form, s) < from;
            });
            next = before != stops.rend() ? *before : stops.back();
        }
    }
    wb.userFocus(form, *next);
}

void moveInGroup(Workbench& wb, Form& form, const Control& option, bool forward) {
    const auto group = optionGroup(form, option);
    const auto at = std::find(group.begin(), group.end(), &option);
    if (at == group.end()) return;
    const auto n = static_cast<long>(group.size());
    const long i = (at - group.begin() + (forward ? 1 : n - 1)) % n;
    wb.userFocus(form, *group[static_cast<size_t>(i)]);  // taking the focus chooses it
}

// Up and Down in a combo box choose the entry before or after the one shown
// (the first when none is), stopping at either end, as a list box does.
void stepInList(Workbench& wb, Form& form, Control& combo, bool forward) {
    const auto& items = combo.items();
    if (items.empty()) return;
    const auto at = std::find(items.begin(), items.end(), combo.text());
    size_t i = 0;
    if (at != items.end()) {
        i = static_cast<size_t>(at - items.begin());
        if (forward && i + 1 < items.size()) ++i;
        if (!forward && i > 0) --i;
    }
    if (items[i] != combo.text()) wb.userPick(form, combo, items[i]);
}

// The stop after a label in focus order, where its access key sends the focus.
Control* stopAfter(const Form& form, const Control& label) {
    const auto stops = focusStops(form);
    const size_t from = tableIndex(form, &label);
    for (Control* s : stops)
        if (tableIndex(form, s) > from) return s;
    return stops.empty() ? nullptr : stops.front();
}

void accessKey(Workbench& wb, Form& form, Control& owner) {
    switch (owner.kind()) {
        case ControlKind::Option:
            wb.userFocus(form, owner);
            break;
        case ControlKind::Label:
        case ControlKind::Frame:
            if (Control* next = stopAfter(form, owner)) wb.userFocus(form, *next);
            break;
        default:
            wb.userClick(form, owner);
    }
}

// Return away from a button or picture: the form's compute button, if the user could press it.
void pressDefault(Workbench& wb, Form& form) {
    Control* button = form.defaultButton();
    if (!button || !button->usable()) return;
    wb.dispatch(form, false,
                [button] {
                    if (button->onClick) button->onClick();
                },
                {button->name(), "Click"});
}

std::string captionBeside(const Form& f, const Control& c) {
    const Rect& r = c.rect();
    const Control* left = nullptr;
    const Control* after = nullptr;  // a caption written after its box
    const Control* above = nullptr;
    for (bool sameVisibility : {true, false}) {
        for (const auto& l : f.controls()) {
            if (l->kind() != ControlKind::Label || l->seenText().empty()) continue;
            if (sameVisibility && l->visible() != c.visible()) continue;
            const Rect& lr = l->rect();
            if (sameRow(lr, r) && lr.left < r.left) {
                if (!left || lr.left > left->rect().left) left = l.get();
            } else if (sameRow(lr, r) && lr.left >= right(r)) {
                if (!after || lr.left < after->rect().left) after = l.get();
            } else if (lr.top < r.top && lr.left < right(r) && right(lr) > r.left) {
                if (!above || lr.top > above->rect().top) above = l.get();
            }
        }
        if (left || after || above) break;
    }
    // A picture's title stands over it; a box's caption beside it on its
    // row, to its left or else after it.
    const bool picture = c.kind() == ControlKind::Image;
    for (const Control* l : {picture ? above : left, picture ? left : after, picture ? after : above})
        if (l) return l->seenText();
    return {};
}

}  // namespace

std::optional<Key> parseKey(std::string_view text) {
    Key k;
    std::string_view rest = text;
    for (;;) {
        const auto plus = rest.find('+');
        if (plus == std::string_view::npos || plus + 1 >= rest.size()) break;  // "Ctrl++" keeps its "+"
        std::string mod(rest.substr(0, plus));
        for (auto& ch : mod) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        if (mod == "ctrl")
            k.ctrl = true;
        else if (mod == "alt")
            k.alt = true;
        else if (mod == "shift")
            k.shift = true;
        else
            return std::nullopt;
        rest = rest.substr(plus + 1);
    }
    if (rest.empty()) return std::nullopt;
    k.name = std::string(rest);
    if (k.name.size() == 1) {
        k.name[0] = upper(k.name[0]);
    } else {
        for (size_t i = 1; i < k.name.size(); ++i)
            k.name[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(k.name[i])));
        k.name[0] = upper(k.name[0]);
        if (k.name == "Enter") k.name = "Return";
        if (k.name == "Esc") k.name = "Escape";
        if (k.name == "Backtab") {
            k.name = "Tab";
            k.shift = true;
        }
    }
    return k;
}

std::vector<Control*> focusStops(const Form& f) {
    std::vector<Control*> out;
    std::vector<std::string> groups;
    for (const auto& c : f.controls()) {
        if (!c->focusable() || !c->usable()) continue;
        if (c->kind() != ControlKind::Option) {
            out.push_back(c.get());
            continue;
        }
        const std::string& g = c->spec().group;
        if (std::find(groups.begin(), groups.end(), g) != groups.end()) continue;
        groups.push_back(g);
        const auto members = optionGroup(f, *c);
        const auto chosen =
            std::find_if(members.begin(), members.end(), [](const Control* o) { return o->checked(); });
        out.push_back(chosen != members.end() ? *chosen : members.front());
    }
    return out;
}

std::vector<Control*> optionGroup(const Form& f, const Control& option) {
    std::vector<Control*> out;
    for (const auto& c : f.controls())
        if (c->kind() == ControlKind::Option && c->usable() && c->spec().group == option.spec().group)
            out.push_back(c.get());
    return out;
}

Control* accessKeyOwner(const Form& f, char letter) {
    const char want = upper(letter);
    for (const auto& c : f.controls()) {
        if (!isKind(c.get(),
                    {ControlKind::Button, ControlKind::Option, ControlKind::Label, ControlKind::Frame}))
            continue;
        if (c->usable() && want != 0 && accessKeyOf(c->text()) == want) return c.get();
    }
    return nullptr;
}

std::string readout(const Form& f) {
    std::vector<const Control*> items;
    for (const auto& c : f.controls()) {
        if (!c->visible() || c->seenText().empty()) continue;
        const bool shown = isKind(c.get(), {ControlKind::Label, ControlKind::TextBox, ControlKind::Combo}) ||
                           (c->kind() == ControlKind::Option && c->checked());
        // A label drawn as another's shadow (the same text beneath it) is not read twice.
        const auto shadowed = std::any_of(items.begin(), items.end(), [&](const Control* o) {
            return o->seenText() == c->seenText() && overlaps(o->rect(), c->rect());
        });
        if (shown && !shadowed) items.push_back(c.get());
    }
    std::stable_sort(items.begin(), items.end(), [](const Control* a, const Control* b) {
        return a->rect().top != b->rect().top ? a->rect().top < b->rect().top
                                              : a->rect().left < b->rect().left;
    });
    std::vector<std::vector<const Control*>> rows;
    for (const Control* c : items) {
        const bool joins =
            !rows.empty() && std::any_of(rows.back().begin(), rows.back().end(),
                                         [&](const Control* o) { return sameRow(o->rect(), c->rect()); });
        if (!joins) rows.emplace_back();
        rows.back().push_back(c);
    }
    std::string out = f.caption();
    for (auto& row : rows) {
        std::stable_sort(row.begin(), row.end(),
                         [](const Control* a, const Control* b) { return a->rect().left < b->rect().left; });
        out += '\n';
        for (size_t i = 0; i < row.size(); ++i) out += (i ? "\t" : "") + row[i]->seenText();
    }
    return out;
}

std::string accessibleName(const Form& f, const Control& c) {
    if (c.kind() == ControlKind::Document) return f.caption();  // a page is known by its window
    std::string name = isKind(&c, {ControlKind::TextBox, ControlKind::Combo, ControlKind::Image})
                           ? captionBeside(f, c)
                           : c.seenText();
    // A box captioned by the mode its option chose ("VOLT EFFICACI") is told
    // apart from that option by what its tooltip asks for.
    const bool captioned = isKind(&c, {ControlKind::TextBox, ControlKind::Combo, ControlKind::Image});
    const auto sharedWithButton = std::any_of(f.controls().begin(), f.controls().end(), [&](const auto& o) {
        return isKind(o.get(), {ControlKind::Button, ControlKind::Option}) && o->seenText() == name;
    });
    if (captioned && !name.empty() && sharedWithButton)
        name += ": " + (c.tooltip().empty() ? c.name() : c.tooltip());
    if (name.empty()) name = c.tooltip();
    std::replace(name.begin(), name.end(), '\n', ' ');
    return name;
}

bool pressKey(Workbench& wb, Form& form, const Key& key, const std::string& selection) {
    Control* focus = form.focused();
    if (focus && !focus->usable()) focus = nullptr;
    const std::string& k = key.name;
    if (key.ctrl && !key.alt && !key.shift && k == "C") {
        if (editable(focus) && !selection.empty())
            wb.services().clipboard.setText(selection);
        else if (isKind(focus, {ControlKind::Document}))
            wb.services().clipboard.setText(focus->text());  // the whole page
        else
            wb.services().clipboard.setText(readout(form));
        return true;
    }
    if (key.alt && !key.ctrl && k.size() == 1) {
        Control* owner = accessKeyOwner(form, k[0]);
        if (!owner) return false;  // a menu's access key, the view's own
        accessKey(wb, form, *owner);
        return true;
    }
    if (key.ctrl || key.alt) return false;
    if (k == "F1" && !key.shift) {
        if (!wb.hasHelp(form)) return false;
        wb.userHelp(form);
        return true;
    }
    if (k == "Tab") {
        moveFocus(wb, form, !key.shift);
        return true;
    }
    if (key.shift) return false;
    if (k == "Escape") {
        if (!form.spec().mainWindow) wb.userClose(form);
        return true;
    }
    if (k == "Return") {
        if (pressable(focus))
            wb.userClick(form, *focus);
        else
            pressDefault(wb, form);
        return true;
    }
    if (k == "Space") {
        if (!pressable(focus) && !isKind(focus, {ControlKind::Option})) return false;  // a blank typed
        wb.userClick(form, *focus);
        return true;
    }
    if (k == "Up" || k == "Left" || k == "Down" || k == "Right") {
        if (isKind(focus, {ControlKind::Option})) moveInGroup(wb, form, *focus, k == "Down" || k == "Right");
        if (isKind(focus, {ControlKind::Combo}) && (k == "Up" || k == "Down")) {
            stepInList(wb, form, *focus, k == "Down");
            return true;
        }
        return !editable(focus);  // in a text box the cursor moves
    }
    return false;
}

}  // namespace ondalab
