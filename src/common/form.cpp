#include "common/form.h"

#include <algorithm>
#include <stdexcept>

#include "common/fault.h"
#include "common/workbench.h"

namespace ondalab {

Form::Form(Workbench& wb, FormSpec spec, std::vector<ControlSpec> controls)
    : wb_(&wb), spec_(std::move(spec)), drawn_(spec_.rect) {
    spec_.caption = tr(spec_.name, spec_.caption);
    translatePicture(spec_.background);
    controls_.reserve(controls.size());
    for (auto& c : controls) {
        // A caption the designer never set shows the control's own name: no text to translate.
        if (c.kind != ControlKind::TextBox && c.text != c.name) c.text = tr(spec_.name, c.text);
        c.tooltip = tr(spec_.name, c.tooltip);
        for (auto& item : c.items) item = tr(spec_.name, item);
        translatePicture(c.picture);
        if (c.kind == ControlKind::Combo) std::stable_sort(c.items.begin(), c.items.end(), listsBefore);
        controls_.push_back(std::make_unique<Control>(*this, std::move(c)));
    }
    faultFocus_ = resolve(spec_.faultFocus, ControlKind::TextBox, "fault focus");
    defaultButton_ = resolve(spec_.defaultButton, ControlKind::Button, "default button");
}

Control* Form::resolve(std::string_view name, ControlKind kind, const char* role) const {
    if (name.empty()) return nullptr;
    Control& c = (*this)[name];
    if (c.kind() != kind)
        throw std::out_of_range("form " + spec_.name + ": " + role + " " + c.name() +
                                " is of the wrong kind");
    return &c;
}

Form::~Form() = default;

Rect Form::clientRect() const {
    const int menu = menu_.empty() ? 0 : kMenuBarTwips;
    return {0, 0, spec_.rect.width - 2 * kBorderTwips,
            spec_.rect.height - kCaptionTwips - kBorderTwips - menu};
}

Control* Form::find(std::string_view name) const {
    for (const auto& c : controls_)
        if (c->name() == name) return c.get();
    return nullptr;
}

Control& Form::operator[](std::string_view name) const {
    if (Control* c = find(name)) return *c;
    throw std::out_of_range("form " + spec_.name + " has no control " + std::string(name));
}

void Form::setFocus(Control& c) {
    if (!c.focusable() || !c.usable()) return;
    if (focused_ != &c) {
        focused_ = &c;
        wb_->focusChanged(*this, c);
    }
    if (c.kind() == ControlKind::Option) c.choose();
}

void Form::firstFocus() {
    // A picture is a stop for the keyboard, never the first focus.
    for (const auto& c : controls_)
        if (c->focusable() && c->usable() && c->kind() != ControlKind::Image) {
            setFocus(*c);
            return;
        }
}

void Form::setCaption(const std::string& caption) {
    if (spec_.caption == caption) return;
    spec_.caption = caption;
    wb_->formChanged(*this);
}

void Form::move(int left, int top) { setRect({left, top, spec_.rect.width, spec_.rect.height}); }

void Form::resize(int width, int height) { setRect({spec_.rect.left, spec_.rect.top, width, height}); }

void Form::setRect(Rect r) {
    auto& o = spec_.rect;
    if (o.left == r.left && o.top == r.top && o.width == r.width && o.height == r.height) return;
    o = r;
    wb_->formChanged(*this);
}

void Form::centre() {
    const auto& screen = wb_->services().screen;
    move((screen.widthTwips() - spec_.rect.width) / 2, (screen.heightTwips() - spec_.rect.height) / 2);
}

void Form::centreOver(const Form& other) {
    const auto& screen = wb_->services().screen;
    const Rect& o = other.rect();
    const Rect& r = spec_.rect;
    // A window larger than the screen keeps its top left corner on it.
    const auto onScreen = [](int at, int size, int room) {
        return std::clamp(at, 0, std::max(0, room - size));
    };
    move(onScreen(o.left + (o.width - r.width) / 2, r.width, screen.widthTwips()),
         onScreen(o.top + (o.height - r.height) / 2, r.height, screen.heightTwips()));
}

void Form::controlChanged(Control& c) { wb_->controlChanged(*this, c); }

std::vector<Control*> Form::ctlArray(std::string_view base) const {
    std::vector<Control*> out;
    for (const auto& c : controls_)
        if (c->baseName() == base && c->index() >= 0) out.push_back(c.get());
    if (out.empty())
        throw std::out_of_range("form " + spec_.name + " has no control array " + std::string(base));
    std::sort(out.begin(), out.end(),
              [](const Control* a, const Control* b) { return a->index() < b->index(); });
    return out;
}

std::vector<Control*> Form::ctls(std::initializer_list<std::string_view> names) const {
    return ctls<std::initializer_list<std::string_view>>(names);
}

NumberFormat Form::fmt() const { return wb_->numberFormat(); }

void Form::translatePicture(Picture& picture) const {
    for (auto& stroke : picture)
        if (stroke.kind == Stroke::Kind::Text) stroke.text = tr(spec_.name, stroke.text);
}

std::string Form::tr(std::string_view context, std::string_view source) const {
    return wb_->translate(context, std::string(source));
}

namespace {

void translateMenu(const Form& f, std::vector<MenuItem>& items) {
    for (auto& item : items) {
        item.caption = f.tr(f.name(), item.caption);
        translateMenu(f, item.children);
    }
}

}  // namespace

void Form::setMenu(std::vector<MenuItem> menu) {
    translateMenu(*this, menu);
    menu_ = std::move(menu);
}

void Form::warning(const std::string& prompt, const std::string& title) {
    wb_->warning(tr(spec_.name, prompt), tr(spec_.name, title));
}

void Form::warnAndFocus(Control& focusTo, const std::string& prompt, const std::string& title) {
    warning(prompt, title);
    setFocus(focusTo);
}

bool Form::missingDataOk(double product, Control& focusTo, Negative negative) {
    finite(product);  // inputs beyond the double range are a calculation fault, not data
    if (product > 0) return true;
    if (product == 0 || negative == Negative::Refused) warnAndFocus(focusTo, TR("ondalab", "MANCANO DATI"));
    return false;
}

void Form::close() { wb_->close(*this); }

}  // namespace ondalab
