#include "common/workbench.h"

#include <algorithm>
#include <iostream>
#include <stdexcept>

#include "common/fault.h"
#include "common/keyboard.h"

namespace ondalab {

namespace {

// Raises a nesting count for as long as it lives, however the scope ends.
class Nested {
public:
    explicit Nested(int& depth) : depth_(depth) { ++depth_; }
    ~Nested() { --depth_; }
    Nested(const Nested&) = delete;
    Nested& operator=(const Nested&) = delete;

private:
    int& depth_;
};

FormObserver& quietObserver() {
    static FormObserver none;
    return none;
}

bool editable(const Control& c) { return c.kind() == ControlKind::TextBox || c.kind() == ControlKind::Combo; }

const MenuItem* findIn(const std::vector<MenuItem>& items, const std::string& name) {
    for (const auto& item : items) {
        if (item.name == name) return &item;
        if (const MenuItem* found = findIn(item.children, name)) return found;
    }
    return nullptr;
}

const MenuItem* opening(const std::vector<MenuItem>& items, const std::string& form) {
    for (const auto& item : items) {
        if (!item.form.empty() && item.form == form) return &item;
        if (const MenuItem* found = opening(item.children, form)) return found;
    }
    return nullptr;
}

// Everything a handler may change on its form, to undo it after a fault.
class FormSnapshot {
public:
    explicit FormSnapshot(Form& f) : form_(f), rect_(f.rect()), caption_(f.caption()) {
        for (const auto& c : f.controls()) saved_.push_back(c->state());
    }
    void restore() {
        const auto& controls = form_.controls();
        for (size_t i = 0; i < controls.size(); ++i) controls[i]->restore(saved_[i]);
        form_.setRect(rect_);
        form_.setCaption(caption_);
    }
    // A handler run as the user types went through: the labels whose text it
    // changed are the form's results, and none of them is stale any more.
    void computed() {
        const auto& controls = form_.controls();
        for (size_t i = 0; i < controls.size(); ++i) {
            Control& c = *controls[i];
            if (c.kind() == ControlKind::Label && c.text() != saved_[i].text) c.markResult();
            c.setStale(false);
        }
    }
    // It faulted and the results shown were kept: they are the input before's.
    void kept() {
        for (const auto& c : form_.controls())
            if (c->isResult() && c->visible() && !c->text().empty()) c->setStale(true);
    }

private:
    Form& form_;
    Rect rect_;
    std::string caption_;
    std::vector<Control::State> saved_;
};

}  // namespace

std::unique_ptr<Form> FormRegistry::make(const std::string& name, Workbench& wb) const {
    const auto it = factories_.find(name);
    if (it == factories_.end()) throw std::out_of_range("no form named " + name);
    return it->second(wb);
}

std::vector<std::string> FormRegistry::names() const {
    std::vector<std::string> out;
    for (const auto& [name, make] : factories_) out.push_back(name);
    return out;
}

Workbench::Workbench(Services services, FormRegistry registry)
    : services_(services), registry_(std::move(registry)), observer_(&quietObserver()) {}

Workbench::~Workbench() {
    observer_ = &quietObserver();
    for (Form* f : zorder_) stopTimers(*f);
}

void Workbench::setObserver(FormObserver* observer) { observer_ = observer ? observer : &quietObserver(); }

bool Workbench::setLanguage(const std::string& code, const std::string& dir) {
    language_ = code;
    catalogue_ = {};
    return code == kSourceLanguage || (!dir.empty() && catalogue_.loadFile(cataloguePath(dir, code)));
}

std::string Workbench::translate(std::string_view context, const std::string& source) const {
    if (language_ == kSourceLanguage || source.empty()) return source;
    for (std::string_view ctx : {context, std::string_view(kSharedContext)})
        if (auto found = catalogue_.find(ctx, source)) return *found;
    const bool words = std::any_of(source.begin(), source.end(), [](char ch) {
        return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
    });
    if (words) missing_.insert({std::string(context), source});
    return source;
}

// ---- opening and closing ----

Form* Workbench::show(const std::string& name, bool modal) {
    if (Form* open = openForm(name)) {
        raise(*open);
        return open;
    }
    Form* f = nullptr;
    try {
        loaded_.push_back(registry_.make(name, *this));
        f = loaded_.back().get();
        if (f->spec().centred) f->centre();
        zorder_.push_back(f);
        modal_[f] = modal;
        const Nested loading(depth_);  // the load step's faults are the opening's, handled below
        f->Form_Load();
    } catch (const std::exception& e) {
        if (f) {  // a form that could not load is not left open, modal and windowless
            const auto it = std::find(zorder_.begin(), zorder_.end(), f);
            if (it != zorder_.end()) zorder_.erase(it);
            modal_.erase(f);
            loaded_.pop_back();
        }
        if (depth_ > 0) throw CalcFault("form could not open");    // the calling handler's event reports it
        const char* step = f ? ".Form_Load" : ".Form_Initialize";  // the load step or the constructor
        reportFault(nullptr, false, dynamic_cast<const CalcFault*>(&e) ? nullptr : &e, name + step);
        return nullptr;
    }
    for (const auto& c : f->controls()) syncTimer(*f, *c);
    observer_->formOpened(*f, modal);
    dispatch(*f, false, [f] { f->firstFocus(); }, {"Form", "Activate"});
    return f;
}

void Workbench::close(Form& form) {
    const auto it = std::find(zorder_.begin(), zorder_.end(), &form);
    if (it == zorder_.end()) return;
    stopTimers(form);
    zorder_.erase(it);
    modal_.erase(&form);
    observer_->formClosed(form);
    const auto owned =
        std::find_if(loaded_.begin(), loaded_.end(), [&](const auto& p) { return p.get() == &form; });
    closed_.push_back(std::move(*owned));
    loaded_.erase(owned);
    if (depth_ == 0) collectClosed();
    if (zorder_.empty() && !ended_) {
        ended_ = true;
        observer_->programEnded();
    }
}

void Workbench::raise(Form& form) {
    zorder_.erase(std::find(zorder_.begin(), zorder_.end(), &form));
    zorder_.push_back(&form);
    observer_->formRaised(form);
}

bool Workbench::takesInput(Form& form) {
    if (ended_ || isBlocked(form)) return false;
    if (zorder_.back() != &form) raise(form);
    return true;
}

void Workbench::endProgram() {
    while (!zorder_.empty()) close(*zorder_.back());
}

void Workbench::collectClosed() { closed_.clear(); }

Form* Workbench::openForm(const std::string& name) const {
    for (Form* f : zorder_)
        if (f->name() == name) return f;
    return nullptr;
}

bool Workbench::isModal(const Form& form) const {
    const auto it = modal_.find(&form);
    return it != modal_.end() && it->second;
}

bool Workbench::isBlocked(const Form& form) const {
    const auto it = std::find(zorder_.begin(), zorder_.end(), &form);
    if (it == zorder_.end()) return true;  // not open: takes no input
    return std::any_of(it + 1, zorder_.end(), [this](const Form* above) { return isModal(*above); });
}

Form* Workbench::activeForm() const {
    for (auto it = zorder_.rbegin(); it != zorder_.rend(); ++it)
        if (!isBlocked(**it)) return *it;
    return nullptr;
}

// ---- boxes and printing ----

void Workbench::warning(const std::string& prompt, const std::string& title) {
    services_.boxes.show(BoxKind::Exclamation, prompt, title);
}

Answer Workbench::question(const std::string& prompt, const std::string& title) {
    return services_.boxes.show(BoxKind::Question, prompt, title);
}

void Workbench::plainBox(const std::string& prompt, const std::string& title) {
    services_.boxes.show(BoxKind::Plain, prompt, title);
}

void Workbench::printForm(Form& form, const std::vector<std::string>& hidden) {
    std::vector<Control*> hiddenNow;
    for (const auto& name : hidden) {
        Control& c = form[name];
        if (c.visible()) {
            c.setVisible(false);
            hiddenNow.push_back(&c);
        }
    }
    const bool printed = services_.printer.print(form);
    for (Control* c : hiddenNow) c->setVisible(true);
    if (!printed)
        warning(
            translate(kSharedContext, TR("ondalab", "NESSUNA STAMPANTE DISPONIBILE: STAMPA NON ESEGUITA")),
            translate(kSharedContext, kErrorTitle));
}

// ---- user input ----

void Workbench::dispatch(Form& form, bool quiet, const std::function<void()>& handler, const Event& event) {
    if (depth_ > 0 && !quiet) {  // a nested event: the outermost one owns the fault policy
        handler();
        return;
    }
    FormSnapshot before(form);
    try {
        const Nested running(depth_);
        handler();
        if (quiet) before.computed();
    } catch (const CalcFault&) {
        before.restore();
        if (quiet) before.kept();
        reportFault(&form, quiet, nullptr, {});
    } catch (const std::exception& e) {
        before.restore();
        reportFault(&form, false, &e, form.name() + "." + event.control + "_" + event.name);
    }
    if (depth_ == 0) collectClosed();
}

void Workbench::reportFault(Form* form, bool quiet, const std::exception* internal,
                            const std::string& where) {
    if (internal) {
        ++internalErrors_;
        lastInternalError_ = internal->what();
        // The box tells the user; this tells whoever fixes it where to look.
        std::cerr << "ondalab: programming error in " << where << ": " << internal->what() << std::endl;
    }
    if (quiet) return;
    warning(translate(kSharedContext, kFaultPrompt), translate(kSharedContext, kFaultTitle));
    if (form && openForm(form->name()) == form)
        if (Control* c = form->faultFocus()) form->setFocus(*c);
}

void Workbench::userClick(Form& form, Control& c) {
    if (!takesInput(form) || !c.usable()) return;
    dispatch(form, false,
             [&] {
                 switch (c.kind()) {
                     case ControlKind::Option:
                         form.setFocus(c);  // taking the focus chooses it
                         c.choose();
                         break;
                     case ControlKind::Button:
                     case ControlKind::TextBox:
                     case ControlKind::Combo:
                         form.setFocus(c);
                         if (c.onClick) c.onClick();
                         break;
                     default:
                         if (c.onClick) c.onClick();
                 }
             },
             {c.name(), "Click"});
}

void Workbench::userEdit(Form& form, Control& c, const std::string& text) {
    if (!takesInput(form) || !c.usable() || !editable(c)) return;
    if (form.focused() != &c) userFocus(form, c);
    if (!c.assignText(text) || !c.onChange) return;
    // The text stays as typed whatever the handler meets: the snapshot is
    // taken after it.
    dispatch(form, true, [&c] { c.onChange(); }, {c.name(), "Change"});
}

void Workbench::userFocus(Form& form, Control& c) {
    if (!takesInput(form) || !c.focusable() || !c.usable()) return;
    dispatch(form, false, [&] { form.setFocus(c); }, {c.name(), "GotFocus"});
}

void Workbench::userPick(Form& form, Control& c, const std::string& entry) {
    if (!takesInput(form) || !c.usable() || c.kind() != ControlKind::Combo) return;
    if (std::find(c.items().begin(), c.items().end(), entry) == c.items().end()) return;
    dispatch(form, false,
             [&] {
                 form.setFocus(c);
                 c.assignText(entry);  // choosing from the list is a Click, not a Change
                 if (c.onClick) c.onClick();
             },
             {c.name(), "Click"});
}

void Workbench::userClose(Form& form) {
    if (ended_ || isBlocked(form)) return;
    close(form);
}

bool Workbench::userKey(Form& form, const std::string& key, const std::string& selection) {
    if (ended_ || isBlocked(form)) return false;
    const auto k = parseKey(key);
    return k && pressKey(*this, form, *k, selection);
}

void Workbench::userCopy(Form& form) {
    if (!ended_ && openForm(form.name()) == &form) services_.clipboard.setText(readout(form));
}

const MenuItem* Workbench::findMenu(const std::string& item) const {
    for (const Form* f : zorder_)
        if (const MenuItem* found = findIn(f->menu(), item)) return found;
    return nullptr;
}

const MenuItem* Workbench::menuEntryFor(const std::string& form) const {
    for (const Form* f : zorder_)
        if (const MenuItem* found = opening(f->menu(), form)) return found;
    return nullptr;
}

bool Workbench::hasHelp(const Form& form) const {
    return form.spec().helpPage && registry_.has(kHelpForm) && menuEntryFor(form.name());
}

void Workbench::userHelp(Form& form) {
    if (ended_ || isBlocked(form) || !hasHelp(form)) return;
    dispatch(form, false, [this] { show(kHelpForm, true); });
}

bool Workbench::menuEnabled(const MenuItem& item) const {
    return item.form.empty() || registry_.has(item.form);
}

void Workbench::userMenu(const std::string& item) {
    for (Form* f : zorder_) {
        const MenuItem* found = findIn(f->menu(), item);
        if (!found) continue;
        if (ended_ || isBlocked(*f) || found->form.empty() || !menuEnabled(*found)) return;
        const MenuItem entry = *found;
        dispatch(*f, false, [&] { show(entry.form, entry.modal); }, {entry.name, "Click"});
        return;
    }
}

// ---- notifications from the forms ----

void Workbench::controlChanged(Form& form, Control& c) {
    if (c.kind() == ControlKind::Timer) syncTimer(form, c);
    if (openForm(form.name()) == &form) observer_->controlChanged(form, c);
}

void Workbench::formChanged(Form& form) {
    if (openForm(form.name()) == &form) observer_->formChanged(form);
}

void Workbench::focusChanged(Form& form, Control& c) {
    if (openForm(form.name()) == &form) observer_->focusChanged(form, c);
}

void Workbench::syncTimer(Form& form, Control& c) {
    if (c.kind() != ControlKind::Timer) return;
    if (openForm(form.name()) == &form && c.enabled() && c.interval() > 0) {
        services_.timers.start(&c, c.interval(), [this, &form, &c] {
            if (c.onTimer) dispatch(form, true, c.onTimer, {c.name(), "Timer"});
        });
    } else {
        services_.timers.stop(&c);
    }
}

void Workbench::stopTimers(Form& form) {
    for (const auto& c : form.controls())
        if (c->kind() == ControlKind::Timer) services_.timers.stop(c.get());
}

}  // namespace ondalab
