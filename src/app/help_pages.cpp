#include "app/help_pages.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

namespace ondalab {

std::vector<std::filesystem::path> helpDirectories() {
    namespace fs = std::filesystem;
    if (const char* dir = std::getenv("ONDALAB_HELP_DIR"); dir && *dir) return {dir};
#ifdef ONDALAB_HELP_SOURCE
    return {ONDALAB_HELP_SOURCE};  // the WebAssembly runner has no folder of its own
#else
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error) return {};
    // The build tree keeps the pages beside the programs; an installation
    // under <prefix>/share beside <prefix>/bin.
    const fs::path home = program.parent_path();
    return {home / "share" / "ondalab" / "help", home.parent_path() / "share" / "ondalab" / "help"};
#endif
}

std::optional<std::string> readHelpPage(const std::string& form, const std::string& language) {
    for (const auto& dir : helpDirectories()) {
        std::ifstream in(dir / (form + "." + language + ".md"), std::ios::binary);
        if (!in) continue;
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    return std::nullopt;
}

}  // namespace ondalab
