// The scenario-file reader over any file, run against the form model: it
// always reads the file through, and no exception escapes the program: not
// from a handler (the workbench counts those) nor from the runner's steps
// (it turns those into a "the program failed" line).
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include "app/forms.h"
#include "check.h"
#include "scenario/script.h"

using namespace ondalab;
using namespace ondalab::fuzz;
using namespace ondalab::scenario;

namespace {

// The model driver, checking after every line that no handler threw (the
// workbench catches such an exception, shows the fault box and counts it).
struct CheckingDriver : Driver {
    using Driver::Driver;
    void settle() override {
        if (wb_.internalErrors() > 0) broken("a handler threw: " + wb_.lastInternalError());
    }
};

Program checkingProgram(ScriptedPlatform& platform) {
    Program p;
    p.workbench = std::make_unique<Workbench>(platform.services(), allForms());
    p.driver = std::make_unique<CheckingDriver>(*p.workbench);
    return p;
}

// A wait beyond an hour of virtual time is the file asking for millions of
// timer ticks (the main window blinks every second): slow, not wrong.
constexpr long kLongestWait = 3600 * 1000;

bool asksForAges(const std::string& file) {
    std::istringstream in(file);
    std::string text;
    while (std::getline(in, text)) {
        Line line;
        std::string error;
        if (!tokenize(text, line, error) || line.words.size() != 2 || line.words[0] != "wait") continue;
        const long ms = std::strtol(line.words[1].c_str(), nullptr, 10);
        if (ms > kLongestWait || ms < -kLongestWait) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::cout.setstate(std::ios::badbit);  // the runner's print lines and failures are not needed
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file(reinterpret_cast<const char*>(data), size);
    if (asksForAges(file)) return 0;
    const int fd = memfd_create("scenario", 0);
    require(fd >= 0, "no memory file");
    require(write(fd, data, size) == static_cast<ssize_t>(size), "memory file not written");
    const std::string path = "/proc/self/fd/" + std::to_string(fd);

    std::ostringstream out;
    std::streambuf* saved = std::cout.rdbuf(out.rdbuf());
    std::cout.clear();
    Tally tally;
    const bool read = runFile(path, checkingProgram, tally);
    std::cout.rdbuf(saved);
    std::cout.setstate(std::ios::badbit);
    close(fd);

    require(read, "the file could not be read");
    // A failure line is "FILE:LINE: message"; an escaped exception's message
    // starts "the program failed" (an expectation may quote any text).
    std::istringstream report(out.str());
    std::string line;
    while (std::getline(report, line)) {
        if (line.rfind(path + ":", 0) != 0) continue;
        const auto message = line.find(": ", path.size() + 1);
        require(message == std::string::npos || line.compare(message + 2, 18, "the program failed") != 0,
                line.substr(0, 300));
    }
    return 0;
}
