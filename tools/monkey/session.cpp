#include "monkey/session.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <utility>

#include "app/forms.h"

namespace ondalab::monkey {

namespace {

bool isLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

// "inf" or "nan" standing as a word of their own (in any case, so "INF"
// and "NaN" too, but not "INFORMAZIONI" nor "nanofarad"), or the "1.#INF"
// family.
bool showsNonFinite(const std::string& text) {
    std::string lower;
    for (char c : text) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* word : {"inf", "nan"}) {
        for (auto at = lower.find(word); at != std::string::npos; at = lower.find(word, at + 1)) {
            const bool before = at > 0 && isLetter(lower[at - 1]);
            const bool after = at + 3 < lower.size() && isLetter(lower[at + 3]);
            if (!before && !after) return true;
        }
    }
    return lower.find("1.#") != std::string::npos || lower.find("1,#") != std::string::npos;
}

bool editable(const Control& c) { return c.kind() == ControlKind::TextBox || c.kind() == ControlKind::Combo; }

}  // namespace

Session::Session(const HarnessFactory& make, Locale locale) {
    platform_.locale = locale;
    harness_ = make(platform_);
    workbench().show(kMainWindow, false);
    harness_.program.driver->settle();
}

Session::~Session() = default;

Form* Session::form(const std::string& name) { return workbench().openForm(name); }

std::pair<Form*, Control*> Session::control(const std::string& dotted) {
    const auto dot = dotted.find('.');
    Form* f = dot == std::string::npos ? nullptr : form(dotted.substr(0, dot));
    Control* c = f ? f->find(dotted.substr(dot + 1)) : nullptr;
    return {c ? f : nullptr, c};
}

bool Session::apply(const Action& a, std::optional<Failure>& failure) {
    bool done = false;
    try {
        done = doAction(a);
        harness_.program.driver->settle();
    } catch (const std::exception& e) {
        failure = Failure{"exception", std::string("an exception escaped: ") + e.what()};
        return true;
    } catch (...) {
        failure = Failure{"exception", "an exception escaped"};
        return true;
    }
    if (cutShort_) failure = std::exchange(cutShort_, std::nullopt);
    platform_.boxes.clear();  // dismissed with OK; nobody checks them here
    platform_.printouts.clear();
    return done;
}

// A text box that kept only the start of a text set into it (a widget with
// a length limit the model does not have).
std::optional<Failure> Session::cutShort(Form& f, Control& c, const std::string& before,
                                         const std::string& text) {
    const std::string& held = c.text();
    if (held == before || held.empty() || held.size() >= text.size() ||
        text.compare(0, held.size(), held) != 0)
        return std::nullopt;  // refused, emptied by a handler, or whole
    const std::string where = f.name() + "." + c.name();
    return Failure{"view",
                   where + " holds " + std::to_string(held.size()) + " of the " +
                       std::to_string(text.size()) + " characters set",
                   where};
}

bool Session::doAction(const Action& a) {
    scenario::Driver& d = *harness_.program.driver;
    const bool onMain = a.target == kMainWindow || a.target.rfind(std::string(kMainWindow) + ".", 0) == 0;
    switch (a.verb) {
        case Verb::Menu:
            if (!workbench().findMenu(a.target)) return false;
            d.menu(a.target);
            return true;
        case Verb::Answer:
            platform_.queueAnswer(a.target == "yes" ? Answer::Yes : Answer::No);
            return true;
        case Verb::Wait:
            platform_.advance(std::strtol(a.target.c_str(), nullptr, 10));
            return true;
        case Verb::Press: {
            Form* active = workbench().activeForm();
            if (!active) return false;
            // Return or an access key on the main window may reach its exit.
            mainExitTaken_ = mainExitTaken_ || active->name() == kMainWindow;
            d.press(*active, a.target);
            return true;
        }
        case Verb::Close: {
            Form* f = form(a.target);
            if (!f) return false;
            mainExitTaken_ = mainExitTaken_ || onMain;
            d.closeForm(*f);
            return true;
        }
        default:
            break;
    }
    auto [f, c] = control(a.target);
    if (!c) return false;
    switch (a.verb) {
        case Verb::Click:
            mainExitTaken_ = mainExitTaken_ || onMain;
            d.click(*f, *c);
            return true;
        case Verb::Focus:
            d.focus(*f, *c);
            return true;
        case Verb::Type:
        case Verb::Set:
        case Verb::Clear:
            if (!editable(*c) || (a.verb == Verb::Clear && c->text().empty())) return false;
            {
                const std::string name = f->name(), before = c->text();
                if (a.verb == Verb::Type)
                    d.typeChars(*f, *c, a.text);
                else
                    d.replaceText(*f, *c, a.verb == Verb::Set ? a.text : std::string());
                if (a.verb == Verb::Set && workbench().openForm(name) == f)
                    cutShort_ = cutShort(*f, *c, before, a.text);
                return true;
            }
        case Verb::Pick:
            if (std::find(c->items().begin(), c->items().end(), a.text) == c->items().end()) return false;
            d.pick(*f, *c, a.text);
            return true;
        default:
            return false;
    }
}

std::optional<Failure> Session::check() {
    Workbench& wb = workbench();
    scenario::Driver& d = *harness_.program.driver;
    if (wb.internalErrors() > 0)  // the workbench caught it and showed the fault box
        return Failure{"exception", "a handler threw: " + wb.lastInternalError()};
    if (wb.ended()) {
        if (!mainExitTaken_) return Failure{"ended", "the program ended without the main window's exit"};
        return std::nullopt;
    }
    if (!wb.openForm(kMainWindow) && !mainExitTaken_)
        return Failure{"ended", "the main window closed without its exit"};
    for (Form* f : wb.openForms()) {
        if (!harness_.shown(*f)) return Failure{"window", f->name() + " is open with no window to show it"};
        if (showsNonFinite(d.formCaption(*f)))
            return Failure{"shows", f->name() + " caption shows \"" + d.formCaption(*f) + "\""};
        for (const auto& c : f->controls()) {
            if (!d.visible(*f, *c)) continue;
            const std::string seen = d.seenText(*f, *c);
            const std::string where = f->name() + "." + c->name();
            if (showsNonFinite(seen))
                return Failure{"shows", where + " shows \"" + seen.substr(0, 80) + "\"", where};
            if (harness_.widgets && editable(*c) && seen != c->text())
                return Failure{"view",
                               where + " shows " + std::to_string(seen.size()) +
                                   " characters, the model holds " + std::to_string(c->text().size()),
                               where};
        }
    }
    Form* active = wb.activeForm();
    if (!active) return Failure{"window", "forms are open but none takes input"};
    if (Control* focus = d.focused(*active);
        focus && !(d.visible(*active, *focus) && d.enabled(*active, *focus)))
        return Failure{"focus",
                       "the focus is on " + active->name() + "." + focus->name() + ", which is " +
                           (d.visible(*active, *focus) ? "disabled" : "hidden"),
                       active->name() + "." + focus->name()};
    return std::nullopt;
}

}  // namespace ondalab::monkey
