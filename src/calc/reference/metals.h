// Two short tables of metals, one entry per line "METAL = value": specific
// weights in kg/dm3 and resistivities in microhm-cm. The values are fixed
// texts with the point as decimal separator.
#pragma once

#include <array>
#include <string_view>

namespace ondalab::metals {

inline constexpr std::array<std::string_view, 12> kSpecificWeights = {
    "ALLUMINIO = 2.70", "ARGENTO = 10.50", "CROMO = 6.70",  "FERRO = 7.86",
    "MERCURIO = 13.60", "NICHEL = 8.80",   "ORO = 19.30",   "PIOMBO = 11.34",
    "PLATINO = 21.40",  "RAME = 8.90",     "STAGNO = 7.28", "ZINCO = 7.10",
};

inline constexpr std::array<std::string_view, 14> kResistivities = {
    "ACCIAIO = da 10 a 16", "ALLUMINIO = 2.65", "ARGENTO = 1.59", "BRONZO = 1.79", "FERRO = 14",
    "MERCURIO = 94",        "NICHEL = 11.8",    "ORO = 2.08",     "OTTONE = 8.26", "PIOMBO = 19.8",
    "PLATINO = 19.3",       "RAME = 1.60",      "STAGNO = 11.3",  "ZINCO = 5.8",
};

}  // namespace ondalab::metals
