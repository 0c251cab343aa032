// One scenario file: its set-up lines, then actions and expectations run
// against a workbench through a driver.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/scripted.h"
#include "scenario/driver.h"

namespace ondalab::scenario {

struct Line {
    int number = 0;
    std::vector<std::string> words;  // quoted strings come unquoted, escapes resolved
    std::vector<bool> quoted;
};

// Splits a line into words; false (with `error`) on an unterminated string.
bool tokenize(const std::string& text, Line& out, std::string& error);

// Text as the runner prints it: in double quotes, with \" \\ and \n escapes.
std::string quote(const std::string& text);

struct Tally {
    int passed = 0;
    int failed = 0;
};

// Builds the program for one file once its set-up is known: the workbench
// and the driver that acts on it (model or real widgets).
struct Program {
    std::unique_ptr<Workbench> workbench;
    std::unique_ptr<Driver> driver;
    std::shared_ptr<void> keepAlive;  // whatever else the driver needs (a view)
};
using ProgramFactory = std::function<Program(ScriptedPlatform&)>;

// Runs one file; failures go to stderr as FILE:LINE: message, print lines
// to stdout. False when the file could not be read.
bool runFile(const std::string& path, const ProgramFactory& make, Tally& tally);

// The program on the form model alone, with the model driver.
Program modelProgram(ScriptedPlatform& platform);

// Runs every file and prints the tally; the runner's exit status: 0 when
// every file was read and nothing failed, 1 otherwise.
int runFiles(const std::vector<std::string>& paths, const ProgramFactory& make);

// Runs scenario lines given as text, reported under `name`; with `form`,
// that form is opened first over the main window, as its menu entry opens
// it (a help page's worked example runs so).
void runText(const std::string& name, const std::string& text, const ProgramFactory& make, Tally& tally,
             const std::string& form = {});

}  // namespace ondalab::scenario
