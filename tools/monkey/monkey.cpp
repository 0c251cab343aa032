#include "monkey/monkey.h"

#include <fstream>
#include <sstream>

#include "app/forms.h"

namespace ondalab::monkey {

namespace {

// Texts a user should not be able to break a form with.
const std::vector<std::string>& hostileTexts() {
    static const std::vector<std::string> texts = {
        "",
        "0",
        "1",
        "-1",
        "1e308",
        "-1e308",
        "4.9e-324",
        "1e-400",
        "1e400",
        "&H",
        "&HFFFFFFFFFFFFFFFFFF",
        "&O777",
        "&H8000",
        "-",
        ".",
        "-.",
        "1,5",
        "0.",
        "2.5",
        "32767.5",
        "-32768.6",
        "65536",
        "1E15",
        "3.14",
        "  7 ",
        "12abc",
        "\xC3\xA8",  // è
        "\xC2\xB5"
        "F",                         // µF
        "\xE6\x97\xA5\xE6\x9C\xAC",  // two CJK characters
        "1e-5",
        "0.0001",
        "999999999999999",
        "1.7976931348623157e308",
        "-0",
        "1e",
    };
    return texts;
}

bool editable(const Control& c) { return c.kind() == ControlKind::TextBox || c.kind() == ControlKind::Combo; }

void menuEntries(const std::vector<MenuItem>& items, std::vector<std::string>& out) {
    for (const auto& item : items) {
        out.push_back(item.name);
        menuEntries(item.children, out);
    }
}

constexpr std::size_t kLongText = 10000;  // digits of the longest typed number

}  // namespace

std::string Monkey::hostileText(bool typed) {
    const auto& texts = hostileTexts();
    const std::size_t pick = below(texts.size() + 4);
    if (pick < texts.size()) return texts[pick];
    if (pick == texts.size() && !typed) return std::string(kLongText, '9');
    if (pick == texts.size() + 1 && !typed)
        return "1" + std::string(4 * kLongText, '0');  // beyond 32767 characters
    // A number a user might type: sign, digits, point, digits, exponent.
    std::string t = chance(15) ? "-" : "";
    for (std::size_t n = 1 + below(6); n > 0; --n) t += static_cast<char>('0' + below(10));
    if (chance(50)) {
        t += '.';
        for (std::size_t n = below(5); n > 0; --n) t += static_cast<char>('0' + below(10));
    }
    if (chance(15)) t += (chance(50) ? "e-" : "e") + std::to_string(below(40));
    return t;
}

std::string Monkey::key() {
    static const char* const keys[] = {"Tab",  "Shift+Tab", "Return", "Escape", "Space", "Up",
                                       "Down", "Left",      "Right",  "Ctrl+C", "F1"};
    constexpr std::size_t count = sizeof keys / sizeof keys[0];
    const std::size_t pick = below(count + 3);
    if (pick < count) return keys[pick];
    return std::string("Alt+") + static_cast<char>('A' + below(26));  // an access key, or none
}

Action Monkey::onControl(Form& f) {
    // Text boxes first, then what can be pressed, now and then the rest
    // (labels, pictures, drawings: most forms have many of them).
    std::vector<Control*> typed, pressed, other;
    for (const auto& c : f.controls()) {
        const ControlKind k = c->kind();
        auto& group = editable(*c) ? typed
                      : k == ControlKind::Button || k == ControlKind::Option
                          ? pressed
                          : other;
        group.push_back(c.get());
    }
    const std::size_t roll = below(100);
    const auto& from = roll < 50 && !typed.empty() ? typed : roll < 88 && !pressed.empty() ? pressed : other;
    if (from.empty()) return {Verb::Wait, "1"};
    Control& c = *from[below(from.size())];
    const std::string target = f.name() + "." + c.name();
    if (editable(c)) {
        const std::size_t roll = below(100);
        if (roll < 45) return {Verb::Set, target, hostileText(false)};
        if (roll < 70) return {Verb::Type, target, hostileText(true)};
        if (roll < 80) return {Verb::Clear, target};
        if (roll < 90 && !c.items().empty()) return {Verb::Pick, target, c.items()[below(c.items().size())]};
        return {Verb::Focus, target};
    }
    return {chance(85) ? Verb::Click : Verb::Focus, target};
}

Action Monkey::next(Session& s) {
    Workbench& wb = s.workbench();
    const auto& open = wb.openForms();
    Form* active = wb.activeForm();
    const std::size_t roll = below(100);
    if (roll < 10 || open.size() == 1) {
        std::vector<std::string> entries;
        for (Form* f : open) menuEntries(f->menu(), entries);
        if (!entries.empty() && (roll < 10 || chance(60)))
            return {Verb::Menu, entries[below(entries.size())]};
    }
    if (roll < 14) return {Verb::Wait, std::to_string(chance(50) ? 1000 : below(5001))};
    if (roll < 17) return {Verb::Answer, chance(50) ? "yes" : "no"};
    if (roll < 22) {
        Form* f = chance(80) && active ? active : open[below(open.size())];
        return {Verb::Close, f->name()};
    }
    if (roll < 32) return {Verb::Press, key()};
    // Mostly the active form; now and then a form beneath it, which refuses.
    Form* f = chance(90) && active ? active : open[below(open.size())];
    return onControl(*f);
}

std::optional<Found> Monkey::run(long count, long perRun, Tally& tally) {
    while (tally.actions < count) {
        Script script{chance(25) ? Locale::En : Locale::It, {}};
        Session session(make_, script.locale);
        ++tally.runs;
        for (long i = 0; i < perRun && tally.actions < count && !session.workbench().ended(); ++i) {
            Action a = next(session);
            const int unanswered = session.platform().unansweredQuestions;
            std::optional<Failure> failure;
            session.apply(a, failure);
            ++tally.actions;
            if (session.platform().unansweredQuestions != unanswered) {
                // A question found no answer and took "no": say so in the script.
                session.platform().unansweredQuestions = unanswered;
                script.actions.push_back({Verb::Answer, "no"});
            }
            script.actions.push_back(std::move(a));
            if (!failure) failure = session.check();
            for (Form* f : session.workbench().openForms()) tally.forms.insert(f->name());
            if (failure) return Found{*failure, std::move(script)};
        }
    }
    return std::nullopt;
}

std::optional<Failure> replay(const HarnessFactory& make, const Script& script, std::size_t* failedAfter) {
    Session session(make, script.locale);
    for (std::size_t i = 0; i < script.actions.size(); ++i) {
        if (session.workbench().ended()) break;
        std::optional<Failure> failure;
        session.apply(script.actions[i], failure);
        session.platform().unansweredQuestions = 0;
        if (!failure) failure = session.check();
        if (failure) {
            if (failedAfter) *failedAfter = i + 1;
            return failure;
        }
    }
    return std::nullopt;
}

Script shrink(const HarnessFactory& make, Script script, const Failure& failure) {
    const auto fails = [&](const std::vector<Action>& actions) {
        const auto f = replay(make, {script.locale, actions});
        return f && f->kind == failure.kind;
    };
    // Delta debugging: drop chunks while it still fails, halving the chunk.
    auto& actions = script.actions;
    for (std::size_t chunk = actions.size() / 2; chunk >= 1; chunk /= 2) {
        for (std::size_t start = 0; start < actions.size();) {
            std::vector<Action> fewer(actions.begin(), actions.begin() + static_cast<long>(start));
            const std::size_t end = std::min(actions.size(), start + chunk);
            fewer.insert(fewer.end(), actions.begin() + static_cast<long>(end), actions.end());
            if (fails(fewer))
                actions = std::move(fewer);
            else
                start += chunk;
        }
    }
    // Actions whose target is not there did nothing: they go too.
    Session session(make, script.locale);
    std::vector<Action> done;
    for (const auto& a : actions) {
        std::optional<Failure> f;
        if (session.apply(a, f)) done.push_back(a);
        if (f || session.check()) break;
    }
    if (fails(done)) actions = std::move(done);
    return script;
}

std::string scenarioText(const Script& script, const std::string& heading, const std::string& where) {
    std::string out = "# " + heading + "\n";
    if (script.locale == Locale::En) out += "locale en\n";
    for (const auto& a : script.actions) out += lineOf(a) + "\n";
    if (!where.empty()) out += "print " + where + "\n";
    return out;
}

bool readScenario(const std::string& path, Script& out) {
    std::ifstream in(path);
    if (!in) return false;
    std::string text;
    for (int n = 1; std::getline(in, text); ++n) {
        scenario::Line line{n, {}, {}};
        std::string error;
        if (!scenario::tokenize(text, line, error) || line.words.empty()) continue;
        if (line.words.size() == 2 && line.words[0] == "locale") {
            out.locale = line.words[1] == "en" ? Locale::En : Locale::It;
            continue;
        }
        Action a;
        if (actionOf(line, a)) out.actions.push_back(std::move(a));
    }
    return true;
}

}  // namespace ondalab::monkey
