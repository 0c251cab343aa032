// ondalab-scenario FILE.scn... built without Qt (the WebAssembly build):
// the form model alone, as the native runner drives it without --qt.
#include <iostream>
#include <string>
#include <vector>

#include "scenario/script.h"

int main(int argc, char** argv) {
    const std::vector<std::string> files(argv + 1, argv + argc);
    for (const auto& file : files) {
        if (file == "--qt") {
            std::cerr << "ondalab-scenario: this build has no Qt view; --qt needs the native runner\n";
            return 2;
        }
    }
    if (files.empty()) {
        std::cerr << "usage: ondalab-scenario FILE.scn...\n";
        return 2;
    }
    return ondalab::scenario::runFiles(files, ondalab::scenario::modelProgram);
}
