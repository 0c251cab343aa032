// The masks results are rendered through, as a type: every mask the forms
// use is listed once in kMasks, and a Mask can only be made from one of
// them, at compile time (a misspelt mask does not compile).
#pragma once

#include <array>
#include <string_view>

namespace ondalab {

inline constexpr std::array<std::string_view, 23> kMasks = {
    "#0.#",      "#0.##",       "#0.###",      "#0.####",    "##0.#",       "##0.##",
    "##0.###",   "##0.####",    "##0.#####",   "#,##0",      "#,##0.",      "#,##0.#",
    "#,##0.##",  "#,##0.###",   "#,##0.####",  "#,##0.#####", "##,##0.##",  "##,##0.######",
    "###,##0.#", "###,##0.###", "###,###",     "####,###",   "####,### ",
};

constexpr bool isKnownMask(std::string_view text) {
    for (std::string_view m : kMasks)
        if (m == text) return true;
    return false;
}

class Mask {
public:
    // consteval: a text that is not in kMasks stops the build here.
    consteval Mask(const char* text) : text_(text) {  // NOLINT: implicit from a literal on purpose
        if (!isKnownMask(text_)) throw "not a mask in use: add it to kMasks first";
    }
    constexpr std::string_view text() const { return text_; }

private:
    std::string_view text_;
};

}  // namespace ondalab
