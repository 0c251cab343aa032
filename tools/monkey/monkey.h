// The monkey: random actions from a seed over every form the menus and
// buttons reach, the checks after each, and on a failure the shortest list
// of actions that still fails, written as a scenario file.
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "monkey/session.h"

namespace ondalab::monkey {

// A program run as the monkey did it: its locale and actions.
struct Script {
    Locale locale = Locale::It;
    std::vector<Action> actions;
};

struct Found {
    Failure failure;
    Script script;  // ends with the action after which the failure showed
};

struct Tally {
    long actions = 0;
    long runs = 0;
    std::set<std::string> forms;  // every form seen open
};

class Monkey {
public:
    Monkey(HarnessFactory make, std::uint64_t seed) : make_(std::move(make)), rng_(seed) {}

    // Does `count` actions in fresh programs of at most `perRun` actions
    // each (a program the user ends starts the next); stops at the first
    // failure.
    std::optional<Found> run(long count, long perRun, Tally& tally);

private:
    Action next(Session& s);
    Action onControl(Form& f);
    std::string hostileText(bool typed);
    std::string key();
    std::size_t below(std::size_t n) {
        return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
    }
    bool chance(int percent) { return below(100) < static_cast<std::size_t>(percent); }

    HarnessFactory make_;
    std::mt19937_64 rng_;
};

// Runs a script on a fresh program with the checks; the failure, if any,
// and after how many actions it showed.
std::optional<Failure> replay(const HarnessFactory& make, const Script& script,
                              std::size_t* failedAfter = nullptr);

// The shortest script found that still fails the same way (delta debugging
// over the actions, then one action at a time), with only actions whose
// targets are there.
Script shrink(const HarnessFactory& make, Script script, const Failure& failure);

// The script as a scenario file, headed by what failed and ending with a
// print of the control it showed on, if one.
std::string scenarioText(const Script& script, const std::string& heading, const std::string& where);
// A scenario file read back into a script (set-up and actions; the rest is
// left out). False when the file cannot be read.
bool readScenario(const std::string& path, Script& out);

}  // namespace ondalab::monkey
