// The workbench's services on a real desktop: the screen, the user's
// regional settings, Qt timers, message boxes and the default printer.
#pragma once

#include <QDate>
#include <QLocale>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "common/scripted.h"
#include "common/services.h"

class QTimer;

namespace ondalab {

class QtView;

namespace qt {
// ONDALAB_LOCALE=it|en chooses one of our locales; anything else is no choice.
std::optional<Locale> localeFromEnv(const char* value);
// Italian, and US English, are the locales we render ourselves.
std::optional<Locale> ourLocale(const QLocale& l);
NumberFormat numberFormatOf(const QLocale& l);
std::string shortDateOf(const QLocale& l, QDate day);
}  // namespace qt

// The desktop's clipboard (plain text).
class QtClipboard : public ClipboardService {
public:
    void setText(const std::string& text) override;
    std::string text() const override;
};

class QtPlatform : public ScreenService,
                   public RegionalService,
                   public TimerService,
                   public MessageService,
                   public PrintService {
public:
    QtPlatform();
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    Services services() { return {*this, *this, *this, *this, *this, clipboard_}; }
    // Printing grabs the form's window from the view.
    void setView(QtView* view) { view_ = view; }

    int widthTwips() const override;
    int heightTwips() const override;
    NumberFormat numberFormat() const override;
    std::string shortDate() const override;
    void start(const void* id, int ms, std::function<void()> tick) override;
    void stop(const void* id) override;
    Answer show(BoxKind kind, const std::string& prompt, const std::string& title) override;
    bool print(const Form& form) override;

private:
    QtView* view_ = nullptr;
    QtClipboard clipboard_;
    std::optional<Locale> forced_;
    struct Timer {
        std::unique_ptr<QTimer> timer;
        std::shared_ptr<std::function<void()>> tick;
    };
    std::map<const void*, Timer> timers_;
};

}  // namespace ondalab
