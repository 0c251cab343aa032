// make bench: start-up against a bare Qt window, the Ohm form cycle through
// the model, and peak memory with every form open. Figures only; no goals
// are enforced here.
#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/forms.h"
#include "common/scripted.h"

using Clock = std::chrono::steady_clock;

namespace {

QString here;  // the build directory

// Milliseconds from starting the process until it says its window is shown.
double startUp(const QString& program, const QString& benchMode, QString* output = nullptr) {
    QProcess p;
    auto env = QProcessEnvironment::systemEnvironment();
    if (!benchMode.isEmpty()) env.insert("ONDALAB_BENCH", benchMode);
    p.setProcessEnvironment(env);
    const auto t0 = Clock::now();
    p.start(here + "/" + program, {});
    double ms = -1;
    QString all;
    while (p.waitForReadyRead(10000)) {
        all += QString::fromLocal8Bit(p.readAll());
        if (all.contains("shown")) {
            ms = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
            break;
        }
    }
    p.waitForFinished(10000);
    all += QString::fromLocal8Bit(p.readAll());
    if (output) *output = all;
    return ms;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double ohmCycleMicros() {
    using namespace ondalab;
    ScriptedPlatform platform;
    Workbench wb(platform.services(), allForms());
    wb.show(kMainWindow, false);
    const auto cycle = [&] {
        wb.userMenu("mnuohm");
        Form& f = *wb.activeForm();
        for (const char* t : {"1", "12"}) wb.userEdit(f, f["txtinput1"], t);
        wb.userEdit(f, f["txtinput2"], "2");
        wb.userClick(f, f["cmdcalcola"]);
        wb.userClick(f, f["cdmesci"]);
    };
    for (int i = 0; i < 1000; ++i) cycle();  // warm up
    constexpr int n = 20000;
    const auto t0 = Clock::now();
    for (int i = 0; i < n; ++i) cycle();
    return std::chrono::duration<double, std::micro>(Clock::now() - t0).count() / n;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    here = QCoreApplication::applicationDirPath();

    std::vector<double> ours, bare;
    for (int i = 0; i < 7; ++i) {  // interleaved, so both see the same machine
        ours.push_back(startUp("ondalab", "shown"));
        bare.push_back(startUp("bare-qt-window", ""));
    }
    const double a = median(ours), b = median(bare);
    std::printf("start-up to main window shown: ondalab %.1f ms, bare Qt window %.1f ms, ratio %.2f (goal <= 1.2)\n",
                a, b, a / b);

    std::printf("Ohm form open+type+compute+close through the model: %.2f us per cycle (goal < 50 us)\n",
                ohmCycleMicros());

    QString out;
    startUp("ondalab", "all", &out);
    const auto at = out.indexOf("VmHWM:");
    std::printf("peak resident memory with every built form open: %s (goal < 80 MB)\n",
                at < 0 ? "not reported" : out.mid(at + 6, out.indexOf('\n', at) - at - 6).trimmed().toStdString().c_str());
    return 0;
}
