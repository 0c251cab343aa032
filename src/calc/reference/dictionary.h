// The glossary of English radio and electronics abbreviations and terms,
// each entry "TERM = meaning" in Italian, in the order the form adds them.
#pragma once

#include <array>
#include <string_view>

namespace ondalab::dictionary {

inline constexpr std::size_t kEntries = 143;

const std::array<std::string_view, kEntries>& entries();

}  // namespace ondalab::dictionary
