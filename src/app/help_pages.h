// The help pages: one Markdown file per form and language,
// <form>.<language>.md, in share/ondalab/help beside the program (the
// build tree) or under its installation prefix.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ondalab {

// Where pages are looked for: $ONDALAB_HELP_DIR alone when it is set, else
// share/ondalab/help in the program's own folder, then in the one above it.
std::vector<std::filesystem::path> helpDirectories();

// The page of `form` in `language` ("it", "en"), or nothing when no
// directory holds it.
std::optional<std::string> readHelpPage(const std::string& form, const std::string& language);

}  // namespace ondalab
