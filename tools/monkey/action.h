// One thing the monkey does, written as one line of a scenario file so that
// a failing run can be handed to ondalab-scenario as it is.
#pragma once

#include <string>

#include "scenario/script.h"

namespace ondalab::monkey {

// A new verb is its word in action.cpp, its step in Session::doAction and
// its share in Monkey::next.
enum class Verb { Menu, Click, Type, Set, Clear, Focus, Pick, Answer, Wait, Close, Press };

struct Action {
    Verb verb = Verb::Click;
    std::string target = {};  // menu entry, FORM.CTRL, FORM, yes|no, milliseconds or key
    std::string text = {};    // what `type`/`set` write, the entry `pick` chooses
};

// `set frmdB.txtinput1 "1e308"`, `wait 1000`, `close frmdB`.
std::string lineOf(const Action& a);
// The action on a scenario line; false for set-up lines, expectations and
// anything else the monkey does not do.
bool actionOf(const scenario::Line& line, Action& out);

}  // namespace ondalab::monkey
