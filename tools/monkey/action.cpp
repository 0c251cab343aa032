#include "monkey/action.h"

namespace ondalab::monkey {

namespace {

struct VerbWord {
    Verb verb;
    const char* word;
    bool hasText;  // a quoted text follows the target
};

constexpr VerbWord kVerbs[] = {
    {Verb::Menu, "menu", false},   {Verb::Click, "click", false},   {Verb::Type, "type", true},
    {Verb::Set, "set", true},      {Verb::Clear, "clear", false},   {Verb::Focus, "focus", false},
    {Verb::Pick, "pick", true},    {Verb::Answer, "answer", false}, {Verb::Wait, "wait", false},
    {Verb::Close, "close", false}, {Verb::Press, "press", false},
};

const VerbWord& wordOf(Verb v) {
    for (const auto& w : kVerbs)
        if (w.verb == v) return w;
    return kVerbs[0];
}

}  // namespace

std::string lineOf(const Action& a) {
    const VerbWord& w = wordOf(a.verb);
    std::string line = std::string(w.word) + " " + a.target;
    if (w.hasText) line += " " + scenario::quote(a.text);
    return line;
}

bool actionOf(const scenario::Line& line, Action& out) {
    const auto& words = line.words;
    if (words.empty()) return false;
    for (const auto& w : kVerbs) {
        if (words[0] != w.word || words.size() != (w.hasText ? 3u : 2u)) continue;
        out = {w.verb, words[1], w.hasText ? words[2] : std::string()};
        return true;
    }
    return false;
}

}  // namespace ondalab::monkey
