#include "qt/qtplatform.h"

#include <QApplication>
#include <QClipboard>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <cstring>

#include "common/form.h"
#include "qt/language.h"
#include "qt/messagebox.h"
#include "qt/printing.h"
#include "qt/qtview.h"
#include "qt/twips.h"

namespace ondalab {

namespace qt {

std::optional<Locale> localeFromEnv(const char* value) {
    if (!value) return std::nullopt;
    if (std::strcmp(value, "it") == 0) return Locale::It;
    if (std::strcmp(value, "en") == 0) return Locale::En;
    return std::nullopt;
}

std::optional<Locale> ourLocale(const QLocale& l) {
    if (l.language() == QLocale::Italian) return Locale::It;
    if (l.language() == QLocale::English && l.territory() == QLocale::UnitedStates) return Locale::En;
    return std::nullopt;
}

// Our number format holds single bytes: a separator Qt gives as a wider
// character (a thin space, say) becomes a plain space.
NumberFormat numberFormatOf(const QLocale& l) {
    const auto single = [](const QString& s, char fallback) {
        return s.size() == 1 && s[0].unicode() < 0x80 ? static_cast<char>(s[0].unicode()) : fallback;
    };
    return {single(l.decimalPoint(), '.'), single(l.groupSeparator(), ' ')};
}

std::string shortDateOf(const QLocale& l, QDate day) {
    if (const auto ours = ourLocale(l))
        return ondalab::shortDateOf({day.year(), day.month(), day.day()}, *ours);
    return l.toString(day, QLocale::ShortFormat).toStdString();
}

}  // namespace qt

void QtClipboard::setText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

std::string QtClipboard::text() const { return QGuiApplication::clipboard()->text().toStdString(); }

QtPlatform::QtPlatform() : forced_(qt::localeFromEnv(std::getenv("ONDALAB_LOCALE"))) {}

QtPlatform::~QtPlatform() = default;

int QtPlatform::widthTwips() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? qt::TwipScale::ofPrimaryScreen().twips(s->availableSize().width()) : 19200;
}

int QtPlatform::heightTwips() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? qt::TwipScale::ofPrimaryScreen().twips(s->availableSize().height()) : 10800;
}

NumberFormat QtPlatform::numberFormat() const {
    if (forced_) return ondalab::numberFormatOf(*forced_);
    return qt::numberFormatOf(QLocale::system());
}

std::string QtPlatform::shortDate() const {
    const QDate today = QDate::currentDate();
    if (forced_) return ondalab::shortDateOf({today.year(), today.month(), today.day()}, *forced_);
    return qt::shortDateOf(QLocale::system(), today);
}

void QtPlatform::start(const void* id, int ms, std::function<void()> tick) {
    Timer& t = timers_[id];
    // The tick may restart or stop its own timer: it runs from a copy.
    t.tick = std::make_shared<std::function<void()>>(std::move(tick));
    if (!t.timer) {
        t.timer = std::make_unique<QTimer>();
        QObject::connect(t.timer.get(), &QTimer::timeout, [this, id] {
            const auto it = timers_.find(id);
            if (it == timers_.end()) return;
            const auto tick = it->second.tick;
            (*tick)();
        });
    }
    t.timer->start(ms);
}

void QtPlatform::stop(const void* id) {
    const auto it = timers_.find(id);
    if (it != timers_.end()) it->second.timer->stop();  // kept: a tick may be stopping its own timer
}

Answer QtPlatform::show(BoxKind kind, const std::string& prompt, const std::string& title) {
    const auto box = qt::makeMessageBox(kind, prompt, title, QApplication::activeWindow());
    return qt::answerOf(box->exec());
}

bool QtPlatform::print(const Form& form) {
    QWidget* window = view_ ? view_->window(form) : nullptr;
    if (!window) return false;
    switch (qt::printWindow(*window)) {
        case qt::Printed::Done:
            return true;
        case qt::Printed::NotWritten:  // there is a printer, of a kind: the file is the trouble
            show(BoxKind::Exclamation,
                 qt::uiText(TR("ondalab", "IMPOSSIBILE SCRIVERE IL FILE PDF: STAMPA NON ESEGUITA"))
                     .toStdString(),
                 qt::uiText(kErrorTitle).toStdString());
            return true;
        default:
            return false;
    }
}

}  // namespace ondalab
