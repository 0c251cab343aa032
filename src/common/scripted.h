// The deterministic platform: a virtual clock, recorded message boxes with
// queued answers, recorded print-outs, a fixed screen, locale and date.
// Used by the scenario runner and the tests.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "common/services.h"

namespace ondalab {

struct Date {
    int year = 2026;
    int month = 1;
    int day = 15;
};

enum class Locale { It, En };

NumberFormat numberFormatOf(Locale locale);
// "15/01/2026" in Italian, "1/15/2026" in English.
std::string shortDateOf(const Date& d, Locale locale);

struct BoxRecord {
    BoxKind kind;
    std::string prompt;
    std::string title;
};

// What a print-out showed: each control's seen text and visibility.
struct PrintRecord {
    std::string form;
    struct Item {
        std::string text;
        bool visible;
    };
    std::map<std::string, Item> controls;
};

class ScriptedPlatform : public ScreenService,
                         public RegionalService,
                         public TimerService,
                         public MessageService,
                         public PrintService,
                         public ClipboardService {
public:
    Services services() { return {*this, *this, *this, *this, *this, *this}; }

    // Set-up.
    int screenW = 19200;
    int screenH = 10800;
    Locale locale = Locale::It;
    std::string language = "it";  // the interface language; texts only, never separators
    Date date;
    bool printerPresent = true;

    int widthTwips() const override { return screenW; }
    int heightTwips() const override { return screenH; }
    NumberFormat numberFormat() const override { return numberFormatOf(locale); }
    std::string shortDate() const override { return shortDateOf(date, locale); }

    void start(const void* id, int ms, std::function<void()> tick) override;
    void stop(const void* id) override;
    // Advances the virtual clock, firing due timers in time order.
    void advance(long ms);
    long now() const { return now_; }

    Answer show(BoxKind kind, const std::string& prompt, const std::string& title) override;
    void queueAnswer(Answer a) { answers_.push_back(a); }
    std::deque<BoxRecord> boxes;  // shown and not yet checked
    int unansweredQuestions = 0;  // question boxes that found no queued answer

    bool print(const Form& form) override;
    std::deque<PrintRecord> printouts;  // not yet checked

    void setText(const std::string& text) override { clipboard_ = text; }
    std::string text() const override { return clipboard_; }

private:
    struct Timer {
        long due;
        int interval;
        std::function<void()> tick;
    };
    std::map<const void*, Timer> timers_;
    long now_ = 0;
    std::deque<Answer> answers_;
    std::string clipboard_;
};

}  // namespace ondalab
