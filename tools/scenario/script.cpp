#include "scenario/script.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include "app/forms.h"
#include "common/keyboard.h"

namespace ondalab::scenario {

bool tokenize(const std::string& text, Line& out, std::string& error) {
    size_t i = 0;
    while (i < text.size()) {
        const char ch = text[i];
        if (ch == ' ' || ch == '\t' || ch == '\r') {
            ++i;
        } else if (ch == '#' && out.words.empty()) {
            return true;
        } else if (ch == '"') {
            std::string word;
            ++i;
            for (;;) {
                if (i >= text.size()) {
                    error = "unterminated string";
                    return false;
                }
                if (text[i] == '"') break;
                if (text[i] == '\\' && i + 1 < text.size()) {
                    ++i;
                    word += text[i] == 'n' ? '\n' : text[i];
                } else {
                    word += text[i];
                }
                ++i;
            }
            ++i;
            out.words.push_back(word);
            out.quoted.push_back(true);
        } else {
            const size_t start = i;
            while (i < text.size() && text[i] != ' ' && text[i] != '\t' && text[i] != '\r') ++i;
            out.words.push_back(text.substr(start, i - start));
            out.quoted.push_back(false);
        }
    }
    return true;
}

std::string quote(const std::string& text) {
    std::string out = "\"";
    for (const char ch : text) {
        if (ch == '"' || ch == '\\') out += '\\';
        if (ch == '\n') {
            out += "\\n";
            continue;
        }
        out += ch;
    }
    return out + "\"";
}

namespace {

std::string hexColor(Rgb c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%06X", static_cast<unsigned>(c & 0xFFFFFF));
    return buf;
}

bool toInt(const std::string& s, long& out) {
    if (s.empty()) return false;
    char* end = nullptr;
    errno = 0;
    out = std::strtol(s.c_str(), &end, 10);
    return *end == '\0' && errno != ERANGE;
}

// The longest `wait`: an hour of the virtual clock, whose timers all tick.
constexpr long kLongestWait = 3'600'000;

// Thrown by a step that cannot go on; the message becomes the failure.
struct StepError {
    std::string message;
};

class Runner {
public:
    Runner(std::string file, ScriptedPlatform& platform, Program& program, Tally& tally)
        : file_(std::move(file)),
          platform_(platform),
          wb_(*program.workbench),
          d_(*program.driver),
          tally_(tally) {}

    void run(const Line& line) {
        line_ = line.number;
        known_ = nullptr;
        try {
            step(line);
        } catch (const StepError& e) {
            fail(e.message);
        } catch (const std::exception& e) {
            fail(std::string("the program failed: ") + e.what());
        }
        d_.settle();
        if (platform_.unansweredQuestions > 0) {
            platform_.unansweredQuestions = 0;
            fail("a question box was shown with no queued answer");
        }
    }

private:
    void fail(const std::string& message) {
        std::cout << file_ << ':' << line_ << ": " << message << '\n';
        ++tally_.failed;
    }
    void check(bool ok, const std::string& expected, const std::string& seen) {
        if (known_) {  // a known problem: its failure is reported, its passing fails the file
            if (ok) return fail("known problem fixed: " + *known_);
            std::cout << file_ << ':' << line_ << ": known problem: " << *known_ << ": expected " << expected
                      << ", saw " << seen << '\n';
        } else if (ok) {
            ++tally_.passed;
        } else {
            fail("expected " + expected + ", saw " + seen);
        }
    }

    // known "REASON" expect ...: the expectation, marked as a known problem.
    void expectKnown(const Line& l) {
        if (l.words.size() < 4 || !l.quoted[1] || l.words[2] != "expect" || l.quoted[2])
            throw StepError{"malformed line, expected: known \"REASON\" expect ..."};
        Line inner{l.number, {l.words.begin() + 2, l.words.end()}, {l.quoted.begin() + 2, l.quoted.end()}};
        known_ = &l.words[1];  // for this line only: run() clears it
        expect(inner);
    }

    // ---- names ----

    Form& openForm(const std::string& name) {
        if (Form* f = wb_.openForm(name)) return *f;
        if (!wb_.registry().has(name)) throw StepError{"unknown form " + name};
        throw StepError{"form " + name + " is not open"};
    }
    Form& active() {
        if (Form* f = wb_.activeForm()) return *f;
        throw StepError{"no form is open"};
    }
    std::pair<Form*, Control*> control(const std::string& name) {
        const auto dot = name.find('.');
        Form& f = dot == std::string::npos ? active() : openForm(name.substr(0, dot));
        const std::string ctl = dot == std::string::npos ? name : name.substr(dot + 1);
        Control* c = f.find(ctl);
        if (!c) throw StepError{"form " + f.name() + " has no control " + ctl};
        return {&f, c};
    }
    bool isFormName(const std::string& name) const {
        return name.find('.') == std::string::npos && wb_.registry().has(name);
    }

    static void need(const Line& l, size_t count, const char* usage) {
        if (l.words.size() != count) throw StepError{std::string("malformed line, expected: ") + usage};
    }
    static long number(const std::string& s) {
        long v = 0;
        if (!toInt(s, v)) throw StepError{"not a number: " + s};
        return v;
    }

    // ---- actions ----

    void step(const Line& l) {
        const std::string& verb = l.words[0];
        const auto& w = l.words;
        if (verb == "expect") return expect(l);
        if (verb == "known") return expectKnown(l);
        if (verb == "menu") {
            need(l, 2, "menu NAME");
            if (!wb_.findMenu(w[1])) throw StepError{"unknown menu entry " + w[1]};
            d_.menu(w[1]);
        } else if (verb == "click") {
            need(l, 2, "click CTRL");
            auto [f, c] = control(w[1]);
            d_.click(*f, *c);
        } else if (verb == "type" || verb == "set") {
            need(l, 3, "type|set CTRL \"TEXT\"");
            auto [f, c] = control(w[1]);
            if (c->kind() != ControlKind::TextBox && c->kind() != ControlKind::Combo)
                throw StepError{w[1] + " is not a text box"};
            verb == "type" ? d_.typeChars(*f, *c, w[2]) : d_.replaceText(*f, *c, w[2]);
        } else if (verb == "clear") {
            need(l, 2, "clear CTRL");
            auto [f, c] = control(w[1]);
            if (!c->text().empty()) d_.replaceText(*f, *c, "");
        } else if (verb == "focus") {
            need(l, 2, "focus CTRL");
            auto [f, c] = control(w[1]);
            d_.focus(*f, *c);
        } else if (verb == "pick") {
            need(l, 3, "pick CTRL \"ENTRY\"");
            auto [f, c] = control(w[1]);
            const auto& items = c->items();
            if (std::find(items.begin(), items.end(), w[2]) == items.end())
                throw StepError{w[1] + " has no entry " + quote(w[2])};
            d_.pick(*f, *c, w[2]);
        } else if (verb == "answer") {
            need(l, 2, "answer yes|no");
            if (w[1] != "yes" && w[1] != "no") throw StepError{"answer must be yes or no"};
            platform_.queueAnswer(w[1] == "yes" ? Answer::Yes : Answer::No);
        } else if (verb == "wait") {
            need(l, 2, "wait MS");
            long ms = 0;
            if (!toInt(w[1], ms) || ms < 0 || ms > kLongestWait)
                throw StepError{"wait takes 0 to " + std::to_string(kLongestWait) + " ms, not " + w[1]};
            platform_.advance(ms);
        } else if (verb == "close") {
            if (l.words.size() > 2) throw StepError{"malformed line, expected: close [FORM]"};
            d_.closeForm(l.words.size() == 2 ? openForm(w[1]) : active());
        } else if (verb == "print") {
            need(l, 2, "print FORM.CTRL");
            auto [f, c] = control(w[1]);
            std::cout << w[1] << " = " << quote(d_.seenText(*f, *c)) << '\n';
        } else if (verb == "press") {
            need(l, 2, "press KEY");
            if (!parseKey(w[1])) throw StepError{"unknown key " + w[1]};
            d_.press(active(), w[1]);
        } else if (verb == "screenshot") {
            need(l, 2, "screenshot NAME");
            d_.screenshot(w[1]);
        } else {
            throw StepError{"unknown verb " + verb};
        }
    }

    // ---- expectations ----

    void expect(const Line& l) {
        const auto& w = l.words;
        if (w.size() < 2) throw StepError{"malformed expect"};
        const std::string& what = w[1];
        if (what == "ended" && w.size() == 2) return check(wb_.ended(), "the program ended", "it running");
        if (what == "no" && w.size() == 3 && w[2] == "box") return expectNoBox();
        if (what == "box" && !l.quoted[1]) return expectBox(l);
        if (what == "tooltip" && !l.quoted[1]) {
            need(l, 4, "expect tooltip CTRL \"TEXT\"");
            auto [f, c] = control(w[2]);
            const std::string seen = d_.tooltip(*f, *c);
            return check(seen == w[3], "tooltip " + quote(w[3]), quote(seen));
        }
        if (what == "focus" && !l.quoted[1]) {
            need(l, 3, "expect focus CTRL");
            auto [f, c] = control(w[2]);
            Form& act = active();
            Control* seen = d_.focused(act);
            const std::string seenName = seen ? act.name() + "." + seen->name() : "no focus";
            return check(&act == f && seen == c, "focus on " + f->name() + "." + c->name(), seenName);
        }
        if (what == "active" && w.size() == 3) {
            Form* act = wb_.activeForm();
            return check(act && act->name() == w[2], w[2] + " active", act ? act->name() : "no form");
        }
        if (what == "modal" && w.size() == 3) {
            Form& f = openForm(w[2]);
            return check(wb_.isModal(f), w[2] + " modal", "modeless");
        }
        if (what == "list") return expectList(l);
        if (what == "clipboard" && !l.quoted[1]) return expectClipboard(l);
        if (what == "printed") return expectPrinted(l);
        if (what == "print") return expectPrint(l);
        if (w.size() < 3) throw StepError{"malformed expect"};
        const std::string& op = w[2];
        if (op == "open" || op == "closed") {
            need(l, 3, "expect FORM open|closed");
            if (!wb_.registry().has(what)) throw StepError{"unknown form " + what};
            const bool open = wb_.openForm(what) != nullptr;
            return check(open == (op == "open"), what + " " + op, open ? "open" : "closed");
        }
        if (op == "caption") {
            need(l, 4, "expect FORM caption \"TEXT\"");
            const std::string seen = d_.formCaption(openForm(what));
            return check(seen == w[3], "caption " + quote(w[3]), quote(seen));
        }
        if (op == "at" || op == "size") return expectGeometry(l);
        if (op == "=") {
            need(l, 4, "expect CTRL = \"TEXT\"");
            auto [f, c] = control(what);
            const std::string seen = d_.seenText(*f, *c);
            return check(seen == w[3], quote(w[3]), quote(seen));
        }
        if (op == "color") {
            need(l, 4, "expect CTRL color #RRGGBB");
            auto [f, c] = control(what);
            const std::string seen = hexColor(d_.color(*f, *c));
            std::string want = w[3];
            for (auto& ch : want) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
            return check(seen == want, "colour " + want, seen);
        }
        need(l, 3, "expect CTRL visible|hidden|enabled|disabled|checked|unchecked|flagged|unflagged");
        auto [f, c] = control(what);
        bool seen = false;
        bool want = true;
        const char* opposite = "";
        if (op == "visible" || op == "hidden") {
            seen = d_.visible(*f, *c);
            want = op == "visible";
            opposite = want ? "hidden" : "visible";
        } else if (op == "enabled" || op == "disabled") {
            seen = d_.enabled(*f, *c);
            want = op == "enabled";
            opposite = want ? "disabled" : "enabled";
        } else if (op == "checked" || op == "unchecked") {
            seen = d_.checked(*f, *c);
            want = op == "checked";
            opposite = want ? "unchecked" : "checked";
        } else if (op == "flagged" || op == "unflagged") {
            if (c->kind() != ControlKind::TextBox) throw StepError{what + " is not a text box"};
            seen = d_.flagged(*f, *c);
            want = op == "flagged";
            opposite = want ? "unflagged" : "flagged";
        } else {
            throw StepError{"unknown expectation " + op};
        }
        check(seen == want, what + " " + op, opposite);
    }

    void expectGeometry(const Line& l) {
        need(l, 5, "expect NAME at L T | expect NAME size W H");
        const auto& w = l.words;
        const long x = number(w[3]), y = number(w[4]);
        Rect r;
        if (isFormName(w[1])) {
            r = d_.formGeometry(openForm(w[1]));
        } else {
            auto [f, c] = control(w[1]);
            r = d_.geometry(*f, *c);
        }
        const bool at = w[2] == "at";
        const long sx = at ? r.left : r.width, sy = at ? r.top : r.height;
        const long tol = d_.tolerance();
        check(std::labs(sx - x) <= tol && std::labs(sy - y) <= tol,
              w[1] + " " + w[2] + " " + std::to_string(x) + " " + std::to_string(y),
              std::to_string(sx) + " " + std::to_string(sy));
    }

    void expectNoBox() {
        if (platform_.boxes.empty()) return check(true, "", "");
        const auto& b = platform_.boxes.front();
        check(false, "no box", "box " + quote(b.prompt) + " " + quote(b.title));
    }

    void expectBox(const Line& l) {
        need(l, 5, "expect box \"PROMPT\" \"TITLE\" exclamation|question|plain");
        const auto& w = l.words;
        BoxKind kind;
        if (w[4] == "exclamation") {
            kind = BoxKind::Exclamation;
        } else if (w[4] == "question") {
            kind = BoxKind::Question;
        } else if (w[4] == "plain") {
            kind = BoxKind::Plain;
        } else {
            throw StepError{"unknown box kind " + w[4]};
        }
        const std::string want = "box " + quote(w[2]) + " " + quote(w[3]) + " " + w[4];
        if (platform_.boxes.empty()) return check(false, want, "no box");
        const BoxRecord b = platform_.boxes.front();
        platform_.boxes.pop_front();
        static const char* kinds[] = {"exclamation", "question", "plain"};
        check(b.prompt == w[2] && b.title == w[3] && b.kind == kind, want,
              "box " + quote(b.prompt) + " " + quote(b.title) + " " + kinds[static_cast<int>(b.kind)]);
    }

    void expectList(const Line& l) {
        const auto& w = l.words;
        if (w.size() != 5)
            throw StepError{"malformed line, expected: expect list CTRL count N | N \"ENTRY\""};
        auto [f, c] = control(w[2]);
        const int count = d_.listCount(*f, *c);
        if (w[3] == "count") {
            return check(count == number(w[4]), "count " + w[4], std::to_string(count));
        }
        const long i = number(w[3]);
        if (i < 0 || i >= count)
            return check(false, "entry " + w[3], "only " + std::to_string(count) + " entries");
        const std::string seen = d_.listEntry(*f, *c, static_cast<int>(i));
        check(seen == w[4], "entry " + quote(w[4]), quote(seen));
    }

    void expectClipboard(const Line& l) {
        const auto& w = l.words;
        const bool contains = w.size() == 4 && w[2] == "contains" && !l.quoted[2] && l.quoted[3];
        if (!contains && !(w.size() == 3 && l.quoted[2]))
            throw StepError{"malformed line, expected: expect clipboard [contains] \"TEXT\""};
        const std::string seen = d_.clipboard();
        if (contains)
            return check(seen.find(w[3]) != std::string::npos, "clipboard containing " + quote(w[3]),
                         quote(seen));
        check(seen == w[2], "clipboard " + quote(w[2]), quote(seen));
    }

    void expectPrinted(const Line& l) {
        need(l, 3, "expect printed FORM");
        if (platform_.printouts.empty()) return check(false, "a print-out of " + l.words[2], "none");
        print_ = platform_.printouts.front();
        platform_.printouts.pop_front();
        check(print_->form == l.words[2], "a print-out of " + l.words[2], "one of " + print_->form);
    }

    void expectPrint(const Line& l) {
        const auto& w = l.words;
        if (!print_) throw StepError{"no print-out checked yet (expect printed FORM first)"};
        if (w.size() < 4)
            throw StepError{"malformed line, expected: expect print CTRL = \"TEXT\" | hidden | visible"};
        std::string name = w[2];
        if (const auto dot = name.find('.'); dot != std::string::npos) name = name.substr(dot + 1);
        const auto it = print_->controls.find(name);
        if (it == print_->controls.end()) throw StepError{"the print-out has no control " + name};
        const auto& item = it->second;
        if (w[3] == "=" && w.size() == 5) return check(item.text == w[4], quote(w[4]), quote(item.text));
        if (w.size() == 4 && (w[3] == "hidden" || w[3] == "visible")) {
            const bool want = w[3] == "visible";
            return check(item.visible == want, name + " " + w[3] + " in the print-out",
                         item.visible ? "visible" : "hidden");
        }
        throw StepError{"malformed expect print"};
    }

    std::string file_;
    ScriptedPlatform& platform_;
    Workbench& wb_;
    Driver& d_;
    Tally& tally_;
    int line_ = 0;
    std::optional<PrintRecord> print_;
    const std::string* known_ = nullptr;  // the reason, while a known problem's expectation runs
};

// Set-up lines; false when the line is not one.
bool setUp(const Line& l, ScriptedPlatform& p, std::string& error) {
    const auto& w = l.words;
    if (w[0] == "locale" && w.size() == 2 && (w[1] == "it" || w[1] == "en")) {
        p.locale = w[1] == "it" ? Locale::It : Locale::En;
    } else if (w[0] == "language" && w.size() == 2 && (w[1] == "it" || w[1] == "en")) {
        p.language = w[1];
    } else if (w[0] == "screen" && w.size() == 3) {
        long width = 0, height = 0;
        if (!toInt(w[1], width) || !toInt(w[2], height) || width <= 0 || height <= 0) {
            error = "screen needs two positive numbers";
            return true;
        }
        p.screenW = static_cast<int>(width);
        p.screenH = static_cast<int>(height);
    } else if (w[0] == "date" && w.size() == 2) {
        int y = 0, m = 0, d = 0;
        if (std::sscanf(w[1].c_str(), "%4d-%2d-%2d", &y, &m, &d) != 3 || m < 1 || m > 12 || d < 1 || d > 31) {
            error = "date needs YYYY-MM-DD";
            return true;
        }
        p.date = {y, m, d};
    } else if (w[0] == "locale" || w[0] == "language" || w[0] == "screen" || w[0] == "date") {
        error = "malformed set-up line";
    } else {
        return false;
    }
    return true;
}

}  // namespace

namespace {

void runLines(const std::string& name, std::istream& in, const ProgramFactory& make, Tally& tally,
              const std::string& form) {
    std::vector<Line> lines;
    std::string text;
    for (int n = 1; std::getline(in, text); ++n) {
        Line line{n, {}, {}};
        std::string error;
        if (!tokenize(text, line, error)) {
            std::cout << name << ':' << n << ": " << error << '\n';
            ++tally.failed;
            continue;
        }
        if (!line.words.empty()) lines.push_back(std::move(line));
    }

    ScriptedPlatform platform;
    size_t i = 0;
    for (; i < lines.size(); ++i) {
        std::string error;
        if (!setUp(lines[i], platform, error)) break;
        if (!error.empty()) {
            std::cout << name << ':' << lines[i].number << ": " << error << '\n';
            ++tally.failed;
        }
    }
    Program program = make(platform);
    Workbench& wb = *program.workbench;
    if (!wb.setLanguage(platform.language)) {
        std::cout << name << ":0: no catalogue for language " << platform.language
                  << ", the texts stay Italian\n";
        ++tally.failed;
    }
    wb.show(kMainWindow, false);
    if (!form.empty()) {
        const MenuItem* entry = wb.menuEntryFor(form);
        if (!wb.show(form, !entry || entry->modal)) {
            std::cout << name << ":0: form " << form << " could not be opened\n";
            ++tally.failed;
        }
    }
    program.driver->settle();
    Runner runner(name, platform, program, tally);
    for (; i < lines.size(); ++i) runner.run(lines[i]);
}

}  // namespace

bool runFile(const std::string& path, const ProgramFactory& make, Tally& tally) {
    std::ifstream in(path);
    if (!in) {
        std::cout << path << ":0: cannot read the file\n";
        ++tally.failed;
        return false;
    }
    runLines(path, in, make, tally, {});
    return true;
}

Program modelProgram(ScriptedPlatform& platform) {
    Program p;
    p.workbench = std::make_unique<Workbench>(platform.services(), allForms());
    p.driver = std::make_unique<Driver>(*p.workbench);
    return p;
}

int runFiles(const std::vector<std::string>& paths, const ProgramFactory& make) {
    Tally tally;
    bool readable = true;
    for (const auto& path : paths) readable = runFile(path, make, tally) && readable;
    std::cout << tally.passed << " passed, " << tally.failed << " failed\n";
    return readable && tally.failed == 0 ? 0 : 1;
}

void runText(const std::string& name, const std::string& text, const ProgramFactory& make, Tally& tally,
             const std::string& form) {
    std::istringstream in(text);
    runLines(name, in, make, tally, form);
}

}  // namespace ondalab::scenario
