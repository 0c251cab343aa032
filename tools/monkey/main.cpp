// ondalab-monkey [--qt] [--seed N] [--actions N] [--per-run N] [--out FILE]
// ondalab-monkey [--qt] --replay FILE.scn
// Random actions over every form from a printed seed, through the form
// model or (--qt) the real widgets offscreen, checking the program after
// each; a failure is shrunk to the shortest scenario file that still fails.
#include <QApplication>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <random>
#include <string>

#include "app/forms.h"
#include "monkey/monkey.h"
#include "qt/qtview.h"
#include "scenario/qt_driver.h"

using namespace ondalab;
using namespace ondalab::monkey;

namespace {

Harness modelHarness(ScriptedPlatform& platform) {
    Harness h;
    h.program.workbench = std::make_unique<Workbench>(platform.services(), allForms());
    h.program.driver = std::make_unique<scenario::Driver>(*h.program.workbench);
    return h;
}

Harness qtHarness(ScriptedPlatform& platform) {
    Harness h;
    h.widgets = true;
    h.program.workbench = std::make_unique<Workbench>(platform.services(), allForms());
    auto view = std::make_shared<QtView>(*h.program.workbench);
    h.program.driver = scenario::makeQtDriver(*h.program.workbench, *view);
    h.shown = [v = view.get()](const Form& f) {
        const QWidget* w = v->window(f);
        return w && w->isVisible();
    };
    h.program.keepAlive = view;
    return h;
}

struct Options {
    bool qt = false;
    std::uint64_t seed = std::random_device{}();
    long actions = 10000;
    long perRun = 300;
    std::string out = "monkey-failure.scn";
    std::string replay;
};

bool parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--qt") {
            o.qt = true;
        } else if (arg == "--seed" && hasValue) {
            o.seed = std::strtoull(argv[++i], nullptr, 10);
        } else if (arg == "--actions" && hasValue) {
            o.actions = std::atol(argv[++i]);
        } else if (arg == "--per-run" && hasValue) {
            o.perRun = std::atol(argv[++i]);
        } else if (arg == "--out" && hasValue) {
            o.out = argv[++i];
        } else if (arg == "--replay" && hasValue) {
            o.replay = argv[++i];
        } else {
            return false;
        }
    }
    return o.actions > 0 && o.perRun > 0;
}

int replayFile(const HarnessFactory& make, const std::string& path) {
    Script script;
    if (!readScenario(path, script)) {
        std::cerr << path << ": cannot read the file\n";
        return 2;
    }
    std::size_t after = 0;
    if (const auto f = replay(make, script, &after)) {
        std::cout << path << ": after action " << after << ": " << f->kind << ": " << f->what << '\n';
        return 1;
    }
    std::cout << path << ": " << script.actions.size() << " actions, no failure\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!parse(argc, argv, o)) {
        std::cerr << "usage: ondalab-monkey [--qt] [--seed N] [--actions N] [--per-run N] [--out FILE]\n"
                     "       ondalab-monkey [--qt] --replay FILE.scn\n";
        return 2;
    }
    std::unique_ptr<QApplication> app;
    if (o.qt) {
        if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
        // The offscreen platform's notes (no raise(), no keyboard grab) are not findings.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
            if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
        });
        app = std::make_unique<QApplication>(argc, argv);
    }
    const HarnessFactory make = o.qt ? HarnessFactory(qtHarness) : HarnessFactory(modelHarness);
    if (!o.replay.empty()) return replayFile(make, o.replay);

    const std::string mode = o.qt ? " --qt" : "";
    std::cout << "ondalab-monkey" << mode << " --seed " << o.seed << " --actions " << o.actions << std::endl;
    const auto start = std::chrono::steady_clock::now();
    Monkey monkey(make, o.seed);
    monkey::Tally tally;
    const auto found = monkey.run(o.actions, o.perRun, tally);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    const auto registered = allForms().names();
    std::string unreached;
    for (const auto& name : registered)
        if (!tally.forms.count(name)) unreached += " " + name;
    std::cout << tally.actions << " actions in " << tally.runs << " programs, " << tally.forms.size()
              << " of " << registered.size() << " forms reached, " << seconds << " s" << std::endl;
    if (!unreached.empty()) std::cout << "not reached:" << unreached << '\n';
    if (!found) {
        std::cout << "no failure\n";
        return 0;
    }
    std::cout << "FAILURE after " << found->script.actions.size() << " actions of program " << tally.runs
              << ": " << found->failure.kind << ": " << found->failure.what << std::endl;
    const Script shortest = shrink(make, found->script, found->failure);
    const Failure last = replay(make, shortest).value_or(found->failure);
    const std::string heading = "ondalab-monkey" + mode + " --seed " + std::to_string(o.seed) + ": " +
                                last.kind + ": " + last.what + "\n# replay with: ondalab-monkey" + mode +
                                " --replay FILE";
    std::ofstream(o.out) << scenarioText(shortest, heading, last.where);
    std::cout << "shortest failing scenario (" << shortest.actions.size() << " actions): " << o.out << '\n';
    return 1;
}
