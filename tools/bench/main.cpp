// make bench: start-up against the floor (the cheapest Qt window that shows
// text, tools/bench/floor_window.cpp), the Ohm form cycle through the model,
// and peak memory with every form open. Figures only; no goals are
// enforced here.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
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

// The CPU time, user and system, in milliseconds, that a program takes
// from its start on the offscreen platform until it has shown its window
// and ended. A program that fails ends the benchmark.
double cpuMillis(const QString& program, const char* benchMode) {
    const std::string path = (here + "/" + program).toStdString();
    std::vector<std::string> env{"QT_QPA_PLATFORM=offscreen", std::string("ONDALAB_BENCH=") + benchMode};
    for (char** e = environ; *e; ++e) {
        const std::string var = *e;
        if (var.rfind("QT_QPA_PLATFORM=", 0) != 0 && var.rfind("ONDALAB_BENCH=", 0) != 0) env.push_back(var);
    }
    std::vector<char*> envp;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string arg0 = path;
    char* argv[] = {arg0.data(), nullptr};
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int status = 0;
    rusage use{};
    const bool ran = posix_spawn(&pid, path.c_str(), &quiet, nullptr, argv, envp.data()) == 0 &&
                     wait4(pid, &status, 0, &use) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    posix_spawn_file_actions_destroy(&quiet);
    if (!ran) {
        std::fprintf(stderr, "bench: %s failed on the offscreen platform\n", path.c_str());
        std::exit(1);
    }
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(use.ru_utime) + ms(use.ru_stime);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double lowerQuartile(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 4];
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

    // CPU time in pairs, each pair in a random order, so that both programs
    // see the same machine; the lower quartile is what each costs when the
    // machine leaves it alone.
    std::vector<double> ourCpu, floorCpu;
    std::mt19937 coin{std::random_device{}()};
    for (int i = 0; i < 31; ++i) {
        const bool oursFirst = coin() % 2;
        if (oursFirst) ourCpu.push_back(cpuMillis("ondalab", "shown"));
        floorCpu.push_back(cpuMillis("floor-window", ""));
        if (!oursFirst) ourCpu.push_back(cpuMillis("ondalab", "shown"));
    }
    const double c = lowerQuartile(ourCpu), f = lowerQuartile(floorCpu);
    std::printf(
        "start-up CPU, offscreen, lower quartile of 31 pairs: ondalab %.1f ms, floor %.1f ms, ratio %.3f "
        "(goal <= 1.10)\n",
        c, f, c / f);

    std::vector<double> ours, bare;
    for (int i = 0; i < 7; ++i) {  // interleaved, so both see the same machine
        ours.push_back(startUp("ondalab", "shown"));
        bare.push_back(startUp("floor-window", ""));
    }
    const double a = median(ours), b = median(bare);
    std::printf(
        "start-up to main window shown, wall clock, median of 7: ondalab %.1f ms, floor %.1f ms, ratio "
        "%.2f\n",
        a, b, a / b);

    std::printf("Ohm form open+type+compute+close through the model: %.2f us per cycle (goal < 50 us)\n",
                ohmCycleMicros());

    QString out;
    startUp("ondalab", "all", &out);
    const auto at = out.indexOf("VmHWM:");
    const double kib = at < 0 ? 0 : out.mid(at + 6, out.indexOf(u'k', at) - at - 6).trimmed().toDouble();
    std::printf("peak resident memory with every form open: %.1f MiB (goal < 90 MiB)\n", kib / 1024);
    return 0;
}
