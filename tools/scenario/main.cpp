// ondalab-scenario [--qt] FILE.scn...: drives the program as a user would,
// through the form model or (with --qt) through the real widgets.
#include <QApplication>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/forms.h"
#include "qt/application.h"
#include "qt/language.h"
#include "qt/qtplatform.h"
#include "qt/qtview.h"
#include "scenario/qt_driver.h"
#include "scenario/script.h"

using namespace ondalab;
using namespace ondalab::scenario;

namespace {

// Print-outs are recorded for `expect printed`; with QT_PRINT_TO_PDF set
// they also go through the program's real printing path into that file.
class TeePrinter : public PrintService {
public:
    explicit TeePrinter(PrintService& recorder) : recorder_(recorder) {}
    void setView(QtView* view) { real_.setView(view); }
    bool print(const Form& form) override {
        const bool recorded = recorder_.print(form);
        if (recorded && !qgetenv("QT_PRINT_TO_PDF").isEmpty()) real_.print(form);
        return recorded;
    }

private:
    PrintService& recorder_;
    QtPlatform real_;
};

// Screenshots show the forms as the program draws them on this desktop;
// the checks keep the forms' own type, the same on any desktop.
double screenshotsTextScale() {
    return qEnvironmentVariableIsEmpty("ONDALAB_SHOTS") ? 1.0 : QtView::desktopTextScale();
}

Program qtProgram(ScriptedPlatform& platform) {
    struct Kept {
        std::unique_ptr<TeePrinter> printer;
        std::shared_ptr<QtView> view;  // goes first, while the printer is still there
    };
    auto kept = std::make_shared<Kept>();
    kept->printer = std::make_unique<TeePrinter>(platform);
    const Services scripted = platform.services();
    static QtClipboard clipboard;  // the desktop's real one
    Program p;
    p.workbench = std::make_unique<Workbench>(Services{scripted.screen, scripted.regional, scripted.timers,
                                                       scripted.boxes, *kept->printer, clipboard},
                                              allForms());
    // A fault escaping a handler shows its box among the file's boxes.
    auto* app = qobject_cast<qt::Application*>(qApp);
    app->setMessages(&platform);
    kept->view = std::shared_ptr<QtView>(new QtView(*p.workbench, screenshotsTextScale()), [app](QtView* v) {
        delete v;
        app->setMessages(nullptr);
    });
    kept->printer->setView(kept->view.get());
    qt::useQtTranslations(platform.language);
    p.driver = makeQtDriver(*p.workbench, *kept->view);
    p.keepAlive = kept;
    return p;
}

}  // namespace

int main(int argc, char** argv) {
    bool qt = false;
    std::string language;  // --language CODE: the language of files that choose none
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--qt") {
            qt = true;
        } else if (arg == "--language" && i + 1 < argc) {
            language = argv[++i];
        } else {
            files.push_back(arg);
        }
    }
    if (files.empty()) {
        std::cerr << "usage: ondalab-scenario [--qt] [--language it|en] FILE.scn...\n";
        return 2;
    }
    std::unique_ptr<qt::Application> app;
    if (qt) {
        if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<qt::Application>(argc, argv);
    }
    const ProgramFactory make = [&](ScriptedPlatform& platform) {
        if (!language.empty() && platform.language == kSourceLanguage) platform.language = language;
        return qt ? qtProgram(platform) : modelProgram(platform);
    };
    return runFiles(files, make);
}
