#include "common/control.h"

#include <algorithm>
#include <cstdlib>

#include "common/form.h"
#include "common/numbers.h"
#include "common/workbench.h"

namespace ondalab {

std::string indexed(std::string_view base, size_t index) {
    return std::string(base) + "(" + std::to_string(index) + ")";
}

bool listsBefore(std::string_view a, std::string_view b) {
    // ASCII folding only, whatever the C locale says; other bytes compare as they are.
    const auto folded = [](char ch) {
        const auto u = static_cast<unsigned char>(ch);
        return u >= 'a' && u <= 'z' ? u - ('a' - 'A') : u;
    };
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [&](char x, char y) { return folded(x) < folded(y); });
}

Control::Control(Form& owner, ControlSpec spec) : owner_(&owner), spec_(std::move(spec)) {
    const auto& n = spec_.name;
    const auto open = n.find('(');
    if (open != std::string::npos && n.back() == ')') {
        base_ = n.substr(0, open);
        index_ = std::atoi(n.c_str() + open + 1);
    } else {
        base_ = n;
    }
}

std::string Control::seenText() const {
    const auto& t = spec_.text;
    if (spec_.kind == ControlKind::TextBox || spec_.kind == ControlKind::Combo ||
        spec_.kind == ControlKind::Document)
        return t;
    std::string out;
    out.reserve(t.size());
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '&' && i + 1 < t.size()) {
            ++i;  // "&x" shows x underlined; "&&" shows one "&"
        }
        out += t[i];
    }
    return out;
}

bool Control::focusable() const {
    switch (spec_.kind) {
        case ControlKind::TextBox:
        case ControlKind::Button:
        case ControlKind::Option:
        case ControlKind::Combo:
        case ControlKind::Document:  // the keys scroll it
            return true;
        case ControlKind::Image:
            return spec_.clickable;
        default:
            return false;
    }
}

bool Control::flagged() const { return spec_.kind == ControlKind::TextBox && !readsWhole(spec_.text); }

void Control::addItem(const std::string& entry) {
    auto& items = spec_.items;
    items.insert(std::upper_bound(items.begin(), items.end(), entry, listsBefore), entry);
    changed();
}

void Control::changed() { owner_->controlChanged(*this); }

bool Control::assignText(const std::string& text) {
    if (spec_.text == text) return false;
    spec_.text = text;
    stale_ = false;
    changed();
    return true;
}

void Control::setText(const std::string& text) {
    const bool editable = spec_.kind == ControlKind::TextBox || spec_.kind == ControlKind::Combo;
    // A Change is a keystroke handler wherever it runs from: a fault in it
    // undoes only what it did, quietly.
    if (assignText(text) && editable && onChange)
        owner_->workbench().dispatch(*owner_, true, onChange, {name(), "Change"});
}

Control::State Control::state() const {
    return {spec_.text, spec_.tooltip, spec_.rect, spec_.visible, spec_.enabled,
            checked_,   stale_,        spec_.fore, spec_.interval};
}

void Control::restore(const State& s) {
    spec_.text = s.text;
    spec_.tooltip = s.tooltip;
    spec_.rect = s.rect;
    spec_.visible = s.visible;
    spec_.enabled = s.enabled;
    checked_ = s.checked;
    stale_ = s.stale;
    spec_.fore = s.fore;
    spec_.interval = s.interval;
    changed();
}

void Control::setStale(bool on) {
    if (stale_ == on) return;
    stale_ = on;
    changed();
}

void Control::setVisible(bool on) {
    if (spec_.visible == on) return;
    spec_.visible = on;
    changed();
}

void Control::setEnabled(bool on) {
    if (spec_.enabled == on) return;
    spec_.enabled = on;
    changed();
}

void Control::setFore(Rgb color) {
    if (spec_.fore == color) return;
    spec_.fore = color;
    changed();
}

void Control::setTooltip(const std::string& tip) {
    if (spec_.tooltip == tip) return;
    spec_.tooltip = tip;
    changed();
}

void Control::move(int left, int top) { setRect({left, top, spec_.rect.width, spec_.rect.height}); }

void Control::setRect(Rect r) {
    auto& o = spec_.rect;
    if (o.left == r.left && o.top == r.top && o.width == r.width && o.height == r.height) return;
    o = r;
    changed();
}

void Control::setInterval(int ms) {
    if (spec_.interval == ms) return;
    spec_.interval = ms;
    changed();
}

void Control::setChecked(bool on) {
    if (checked_ == on) return;
    checked_ = on;
    changed();
}

void Control::choose() {
    if (checked_) return;
    if (spec_.kind == ControlKind::Option) {
        for (const auto& other : owner_->controls())
            if (other.get() != this && other->kind() == ControlKind::Option &&
                other->spec_.group == spec_.group)
                other->setChecked(false);
    }
    setChecked(true);
    if (onClick) onClick();
}

}  // namespace ondalab
