#include "app/help_pages.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

namespace ondalab {

std::vector<std::filesystem::path> helpDirectories() {
    namespace fs = std::filesystem;
    std::vector<fs::path> out;
    if (const char* dir = std::getenv("ONDALAB_HELP_DIR"); dir && *dir) return {dir};
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (!error) {
        const fs::path home = program.parent_path();
        out.push_back(home / "share" / "ondalab" / "help");  // the build tree
        out.push_back(home.parent_path() / "share" / "ondalab" /
                      "help");  // <prefix>/bin beside <prefix>/share
    }
    return out;
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
