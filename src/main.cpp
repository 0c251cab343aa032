// Starts the workbench in real windows: the main window first, the rest
// from its menu.
#include <QApplication>
#include <cstdio>

#include "app/forms.h"
#include "qt/qtplatform.h"
#include "qt/qtview.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ondalab::QtPlatform platform;
    ondalab::Workbench wb(platform.services(), ondalab::allForms());
    ondalab::QtView view(wb);
    platform.setView(&view);
    wb.show(ondalab::kMainWindow, false);
    return wb.ended() ? 0 : app.exec();
}
