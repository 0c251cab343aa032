#include "qt/application.h"

#include <QDebug>
#include <QIcon>
#include <QWidget>

#include "common/workbench.h"
#include "qt/accessible.h"
#include "qt/fileicon.h"
#include "qt/language.h"
#include "qt/palette.h"

namespace ondalab::qt {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    applyPaletteFromEnv();
    installAccessibility();
    // Our own icon, in each size we carry, for every window.
    setWindowIcon(
        QIcon(new FileIconEngine(QStringLiteral(":/icons/ondalab-%1.png"), {16, 24, 32, 48, 64, 128, 256})));
    setDesktopFileName(QStringLiteral("org.ondalab.Ondalab"));
}

bool Application::notify(QObject* receiver, QEvent* e) {
    // Logged with the window (the form), the widget (the control) and the
    // event, so whoever fixes it knows where to look.
    const auto where = [receiver, e] {
        const auto* w = qobject_cast<const QWidget*>(receiver);
        const QString form = w && w->window() != w ? w->window()->objectName() + '.' : QString();
        const QString name = receiver ? receiver->objectName() : QStringLiteral("?");
        return QStringLiteral("%1%2 (event %3)").arg(form, name).arg(static_cast<int>(e->type()));
    };
    try {
        return QApplication::notify(receiver, e);
    } catch (const std::exception& error) {
        qWarning().noquote() << "ondalab: programming error in" << where() << ":" << error.what();
    } catch (...) {  // anything else thrown: the same box
        qWarning().noquote() << "ondalab: programming error in" << where() << ": not a std::exception";
    }
    showFault();
    return true;
}

void Application::showFault() {
    if (!boxes_ || showing_) return;
    showing_ = true;
    try {
        boxes_->show(BoxKind::Exclamation, uiText(kFaultPrompt).toStdString(),
                     uiText(kFaultTitle).toStdString());
    } catch (...) {  // the box itself failed: nothing more to try
    }
    showing_ = false;
}

}  // namespace ondalab::qt
