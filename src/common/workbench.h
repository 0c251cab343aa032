// The program itself: the registry of forms, opening and closing them
// (single instance, modal or modeless), modal blocking, event dispatch with
// the fault policy, and the platform services. Views and the scenario
// runner drive it through the user* calls, exactly as a user would.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "common/catalogue.h"
#include "common/form.h"
#include "common/services.h"

namespace ondalab {

// What a view wants to hear about; every call has an empty default.
struct FormObserver {
    virtual ~FormObserver() = default;
    virtual void formOpened(Form&, bool /*modal*/) {}
    virtual void formRaised(Form&) {}
    virtual void formClosed(Form&) {}
    virtual void formChanged(Form&) {}  // caption or geometry
    virtual void controlChanged(Form&, Control&) {}
    virtual void focusChanged(Form&, Control&) {}
    virtual void programEnded() {}
};

// What a dispatched handler answers, for the log: a control and the event
// ("cmdcalcola", "Click"), or the form's own ("Form", "Load").
struct Event {
    std::string control = "Form";
    const char* name = "";
};

using FormFactory = std::function<std::unique_ptr<Form>(Workbench&)>;

class FormRegistry {
public:
    void add(const std::string& name, FormFactory make) { factories_[name] = std::move(make); }
    // The usual entry: a form class with its name in F::kName and a
    // constructor that takes the workbench.
    template <class F>
    void add() {
        add(F::kName, [](Workbench& wb) { return std::make_unique<F>(wb); });
    }
    bool has(const std::string& name) const { return factories_.count(name) != 0; }
    std::unique_ptr<Form> make(const std::string& name, Workbench& wb) const;
    std::vector<std::string> names() const;

private:
    std::map<std::string, FormFactory> factories_;
};

// The readout entry of every form's context menu.
inline constexpr const char* kCopyResults = TR("ondalab", "Copia risultati");
inline constexpr const char* kFaultPrompt = TR("ondalab", "CALCOLO IMPOSSIBILE CON I DATI INSERITI");
inline constexpr const char* kFaultTitle = TR("ondalab", "MESSAGGIO DI ERRORE");

// The help window that F1 opens over a form, when the program has one.
inline constexpr const char* kHelpForm = "frmguida";

class Workbench {
public:
    Workbench(Services services, FormRegistry registry);
    ~Workbench();

    const FormRegistry& registry() const { return registry_; }
    Services& services() { return services_; }
    NumberFormat numberFormat() const { return services_.regional.numberFormat(); }
    void setObserver(FormObserver* observer);  // nullptr: no view

    // The interface language, chosen before the first form opens: "it"
    // (the source, no catalogue) or a language whose catalogue is read from
    // `dir`. False when that catalogue is missing: the texts stay Italian.
    bool setLanguage(const std::string& code, const std::string& dir = translationsDir());
    const std::string& language() const { return language_; }
    size_t catalogueSize() const { return catalogue_.size(); }
    // The one translation hook: a source text in the interface language,
    // looked up in `context` (a form's name), then in the shared context.
    // A text the catalogue lacks stays as it is and is noted as missing.
    std::string translate(std::string_view context, const std::string& source) const;
    // (context, source) of every text looked up in vain since the start.
    const std::set<std::pair<std::string, std::string>>& missingTexts() const { return missing_; }

    // Opening and closing. show() creates the form on first use (controls,
    // centring, load step, first focus); asked again while open it brings
    // the form to the front with its values and leaves its modality alone.
    // A form whose creation or load step faults is closed again and the
    // fault reported: inside a handler as a CalcFault for the handler's own
    // event, at the top level with the fault box; show() then gives nullptr.
    Form* show(const std::string& name, bool modal);
    void close(Form& form);
    void endProgram();
    bool ended() const { return ended_; }

    // Open forms, bottom to top.
    const std::vector<Form*>& openForms() const { return zorder_; }
    Form* openForm(const std::string& name) const;
    bool isModal(const Form& form) const;
    // A form is blocked while a modal form lies above it.
    bool isBlocked(const Form& form) const;
    Form* activeForm() const;  // the topmost form that takes input

    // Boxes, synchronous for the handler that shows them; prompt and title
    // as the user reads them (forms translate theirs).
    void warning(const std::string& prompt, const std::string& title);
    Answer question(const std::string& prompt, const std::string& title);
    void plainBox(const std::string& prompt, const std::string& title);
    // Prints the form's client area with `hidden` controls hidden for the
    // print-out only; warns the user when there is no printer.
    void printForm(Form& form, const std::vector<std::string>& hidden = {});

    // User input; refused (ignored) when the form is blocked by a modal one
    // or the control cannot be used. A click, edit, focus or pick on a form
    // that is not the active one makes it active first.
    void userClick(Form& form, Control& c);
    void userEdit(Form& form, Control& c, const std::string& text);
    void userFocus(Form& form, Control& c);
    void userPick(Form& form, Control& c, const std::string& entry);
    void userClose(Form& form);
    void userMenu(const std::string& item);
    // A key or chord ("Tab", "Shift+Tab", "Return", "Ctrl+C", "Alt+X") sent
    // to the focused control, as src/common/keyboard.h says. False when the
    // key is not one of the form's own, for the view to pass on.
    // `selection`: the text selected in the focused text box, if any.
    bool userKey(Form& form, const std::string& key, const std::string& selection = {});
    // The form's readout to the clipboard ("Copia risultati").
    void userCopy(Form& form);
    bool menuEnabled(const MenuItem& item) const;
    const MenuItem* findMenu(const std::string& item) const;
    // The menu entry of an open form that opens the form named `form`.
    const MenuItem* menuEntryFor(const std::string& form) const;
    // Help: a form that a menu entry opens has a page, unless it says it
    // has none; F1 (and the view's context menu) shows it modally in the
    // help window over the form.
    bool hasHelp(const Form& form) const;
    void userHelp(Form& form);

    // Runs a handler with the fault policy: a CalcFault puts every control
    // of the form back as it was and, unless `quiet`, warns the user. A
    // quiet (Change) handler is its own transaction even inside another
    // event; a loud one nested in another event leaves it to the outer one.
    // Any other exception is a programming error: it is handled the same
    // way, always with the box, counted and logged on stderr with the form
    // and `event` ("cmdcalcola_Click"), so no error reaches the view.
    void dispatch(Form& form, bool quiet, const std::function<void()>& handler, const Event& event = {});
    // Programming errors caught so far (tests and the monkey look at them).
    int internalErrors() const { return internalErrors_; }
    const std::string& lastInternalError() const { return lastInternalError_; }

    // From the forms, for the view.
    void controlChanged(Form& form, Control& c);
    void formChanged(Form& form);
    void focusChanged(Form& form, Control& c);

private:
    void raise(Form& form);  // to the top, in front of the others
    // Whether `form` takes a user's action on one of its controls; one that
    // is open and unblocked but not in front comes to the front first, as a
    // click on its window brings it.
    bool takesInput(Form& form);
    void syncTimer(Form& form, Control& c);
    void stopTimers(Form& form);
    void collectClosed();
    // `where` names the handler of a programming error for the log.
    void reportFault(Form* form, bool quiet, const std::exception* internal, const std::string& where);

    Services services_;
    FormRegistry registry_;
    std::string language_ = kSourceLanguage;
    Catalogue catalogue_;
    mutable std::set<std::pair<std::string, std::string>> missing_;
    FormObserver* observer_ = nullptr;
    std::vector<std::unique_ptr<Form>> loaded_;
    std::vector<Form*> zorder_;
    std::map<const Form*, bool> modal_;
    std::vector<std::unique_ptr<Form>> closed_;  // freed once no handler runs
    int depth_ = 0;
    bool ended_ = false;
    int internalErrors_ = 0;
    std::string lastInternalError_;
};

}  // namespace ondalab
