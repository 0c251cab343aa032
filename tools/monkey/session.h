// One run of the program under the monkey: its platform, workbench and
// driver (the form model, or the real widgets with --qt), the actions done
// as the scenario runner does them, and the checks made after each action.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "common/scripted.h"
#include "monkey/action.h"
#include "scenario/script.h"

namespace ondalab::monkey {

// What a run needs besides the program: whether a form has a window the
// user can see (always, for the model).
struct Harness {
    scenario::Program program;
    std::function<bool(const Form&)> shown = [](const Form&) { return true; };
    bool widgets = false;  // the driver acts through real widgets
};
using HarnessFactory = std::function<Harness(ScriptedPlatform&)>;

// A broken property: its kind ("exception", "shows", "focus", "window",
// "ended", "view") and what was seen.
struct Failure {
    std::string kind;
    std::string what;
    std::string where = {};  // FORM.CTRL it shows on, if one
};

class Session {
public:
    // Starts the program with `locale` (set before the first form opens).
    Session(const HarnessFactory& make, Locale locale);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Workbench& workbench() { return *harness_.program.workbench; }
    ScriptedPlatform& platform() { return platform_; }

    // Does the action as a user would; false when its target is not there
    // (nothing was done). An exception escaping the program is a failure.
    bool apply(const Action& a, std::optional<Failure>& failure);
    // The first property broken now, if any.
    std::optional<Failure> check();

private:
    Form* form(const std::string& name);
    std::pair<Form*, Control*> control(const std::string& dotted);
    bool doAction(const Action& a);
    std::optional<Failure> cutShort(Form& f, Control& c, const std::string& before, const std::string& text);

    ScriptedPlatform platform_;
    Harness harness_;
    bool mainExitTaken_ = false;       // an action on the main window may end the program
    std::optional<Failure> cutShort_;  // found while doing the action
};

}  // namespace ondalab::monkey
