#include "common/scripted.h"

#include <limits>

#include "common/form.h"

namespace ondalab {

NumberFormat numberFormatOf(Locale locale) {
    return locale == Locale::It ? NumberFormat::italian() : NumberFormat::english();
}

std::string shortDateOf(const Date& d, Locale locale) {
    const auto two = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    if (locale == Locale::It) return two(d.day) + "/" + two(d.month) + "/" + std::to_string(d.year);
    return std::to_string(d.month) + "/" + std::to_string(d.day) + "/" + std::to_string(d.year);
}

void ScriptedPlatform::start(const void* id, int ms, std::function<void()> tick) {
    timers_[id] = Timer{now_ + ms, ms, std::move(tick)};
}

void ScriptedPlatform::stop(const void* id) { timers_.erase(id); }

void ScriptedPlatform::advance(long ms) {
    const long target = now_ + ms;
    for (;;) {
        const void* next = nullptr;
        long due = std::numeric_limits<long>::max();
        for (const auto& [id, t] : timers_)
            if (t.due < due) {
                due = t.due;
                next = id;
            }
        if (!next || due > target) break;
        now_ = due;
        Timer& t = timers_[next];
        t.due += t.interval;
        auto tick = t.tick;  // the tick may stop or restart its own timer
        tick();
    }
    now_ = target;
}

Answer ScriptedPlatform::show(BoxKind kind, const std::string& prompt, const std::string& title) {
    boxes.push_back({kind, prompt, title});
    if (kind != BoxKind::Question) return Answer::Ok;
    if (answers_.empty()) {
        ++unansweredQuestions;
        return Answer::No;
    }
    const Answer a = answers_.front();
    answers_.pop_front();
    return a;
}

bool ScriptedPlatform::print(const Form& form) {
    if (!printerPresent) return false;
    PrintRecord rec{form.name(), {}};
    for (const auto& c : form.controls()) rec.controls[c->name()] = {c->seenText(), c->visible()};
    printouts.push_back(std::move(rec));
    return true;
}

}  // namespace ondalab
