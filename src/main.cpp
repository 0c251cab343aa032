// Starts the workbench in real windows: the main window first, the rest
// from its menu.
#include <QApplication>
#include <QSettings>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <string>

#include "app/forms.h"
#include "qt/application.h"
#include "qt/language.h"
#include "qt/qtplatform.h"
#include "qt/qtview.h"

namespace {

// `make bench` measures the real program: ONDALAB_BENCH=shown quits as soon
// as the main window is up; =all opens every form first and reports the
// peak resident memory.
void benchHook(ondalab::Workbench& wb) {
    const QByteArray mode = qgetenv("ONDALAB_BENCH");
    if (mode.isEmpty()) return;
    QTimer::singleShot(0, [&wb, mode] {
        if (mode == "all") {
            for (const auto& name : wb.registry().names()) wb.show(name, false);
            QCoreApplication::processEvents();
            std::ifstream status("/proc/self/status");
            for (std::string line; std::getline(status, line);)
                if (line.rfind("VmHWM:", 0) == 0) std::printf("%s\n", line.c_str());
        }
        std::printf("shown\n");
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
}

}  // namespace

int main(int argc, char** argv) {
    ondalab::qt::Application app(argc, argv);
    ondalab::QtPlatform platform;
    app.setMessages(&platform);
    ondalab::Workbench wb(platform.services(), ondalab::allForms());
    const std::string language = ondalab::qt::interfaceLanguage();
    wb.setLanguage(language);
    ondalab::qt::useQtTranslations(language);
    ondalab::QtView view(wb, ondalab::QtView::desktopTextScale());
    // The zoom the user chose last time, and each new one for next time.
    QSettings settings(QStringLiteral("ondalab"), QStringLiteral("ondalab"));
    view.setZoom(settings.value(QStringLiteral("view/zoom"), 100).toInt());
    QObject::connect(&view, &ondalab::QtView::zoomChanged, &view,
                     [&settings](int percent) { settings.setValue(QStringLiteral("view/zoom"), percent); });
    platform.setView(&view);
    if (!wb.show(ondalab::kMainWindow, false)) return 1;  // the fault box has told the user
    benchHook(wb);
    const int status = wb.ended() ? 0 : app.exec();
    app.setMessages(nullptr);  // the platform goes before the application
    return status;
}
