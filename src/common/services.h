// What the workbench needs from its platform. Each service has a scripted
// implementation (deterministic, for tests and scenarios) and a Qt one.
#pragma once

#include <functional>
#include <string>

#include "common/numbers.h"

namespace ondalab {

class Form;

enum class BoxKind { Exclamation, Question, Plain };
enum class Answer { Ok, Yes, No };

struct ScreenService {
    virtual ~ScreenService() = default;
    virtual int widthTwips() const = 0;
    virtual int heightTwips() const = 0;
};

struct RegionalService {
    virtual ~RegionalService() = default;
    virtual NumberFormat numberFormat() const = 0;
    virtual std::string shortDate() const = 0;  // today, in the user's short date format
};

struct TimerService {
    virtual ~TimerService() = default;
    // (Re)starts the timer `id` ticking every `ms`; a running one restarts.
    virtual void start(const void* id, int ms, std::function<void()> tick) = 0;
    virtual void stop(const void* id) = 0;
};

struct MessageService {
    virtual ~MessageService() = default;
    // Modal and synchronous: returns once the user has answered.
    virtual Answer show(BoxKind kind, const std::string& prompt, const std::string& title) = 0;
};

struct PrintService {
    virtual ~PrintService() = default;
    // Sends an image of the form's client area, as it is now, to the default
    // printer. False when there is no printer to send it to.
    virtual bool print(const Form& form) = 0;
};

struct ClipboardService {
    virtual ~ClipboardService() = default;
    virtual void setText(const std::string& text) = 0;  // plain text, lines joined by "\n"
    virtual std::string text() const = 0;
};

struct Services {
    ScreenService& screen;
    RegionalService& regional;
    TimerService& timers;
    MessageService& boxes;
    PrintService& printer;
    ClipboardService& clipboard;
};

}  // namespace ondalab
