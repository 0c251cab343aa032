// The masks the forms use, until the core lists them itself.
#pragma once

#include <string_view>

namespace ondalab::fuzz {

inline constexpr std::string_view kMasksInUse[] = {
    "#0.#",      "#0.##",       "#0.###",     "#0.####",     "##0.#",     "##0.##",
    "##0.###",   "##0.####",    "##0.#####",  "#,##0",       "#,##0.",    "#,##0.#",
    "#,##0.##",  "#,##0.###",   "#,##0.####", "#,##0.#####", "##,##0.##", "##,##0.######",
    "###,##0.#", "###,##0.###", "###,###",    "####,###",    "####,### ",
};

}  // namespace ondalab::fuzz
