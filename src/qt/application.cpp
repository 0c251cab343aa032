#include "qt/application.h"

#include <QIcon>

#include "common/workbench.h"
#include "qt/fileicon.h"
#include "qt/palette.h"

namespace ondalab::qt {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    applyPaletteFromEnv();
    // Our own icon, in each size we carry, for every window.
    setWindowIcon(
        QIcon(new FileIconEngine(QStringLiteral(":/icons/ondalab-%1.png"), {16, 24, 32, 48, 64, 128, 256})));
    setDesktopFileName(QStringLiteral("org.ondalab.Ondalab"));
}

bool Application::notify(QObject* receiver, QEvent* e) {
    try {
        return QApplication::notify(receiver, e);
    } catch (...) {  // std::exception or anything else thrown: the same box
        showFault();
        return true;
    }
}

void Application::showFault() {
    if (!boxes_ || showing_) return;
    showing_ = true;
    try {
        boxes_->show(BoxKind::Exclamation, kFaultPrompt, kFaultTitle);
    } catch (...) {  // the box itself failed: nothing more to try
    }
    showing_ = false;
}

}  // namespace ondalab::qt
