// Two short tables of metals, one entry per line "METAL = value": specific
// weights in kg/dm3 and resistivities in microhm-cm. The values are fixed
// texts with the point as decimal separator.
#pragma once

#include <array>
#include <string_view>

#include "common/catalogue.h"

namespace ondalab::metals {

inline constexpr std::array<std::string_view, 12> kSpecificWeights = {
    TR("ondalab", "ALLUMINIO = 2.70"), TR("ondalab", "ARGENTO = 10.50"),  TR("ondalab", "CROMO = 6.70"),
    TR("ondalab", "FERRO = 7.86"),     TR("ondalab", "MERCURIO = 13.60"), TR("ondalab", "NICHEL = 8.80"),
    TR("ondalab", "ORO = 19.30"),      TR("ondalab", "PIOMBO = 11.34"),   TR("ondalab", "PLATINO = 21.40"),
    TR("ondalab", "RAME = 8.90"),      TR("ondalab", "STAGNO = 7.28"),    TR("ondalab", "ZINCO = 7.10"),
};

inline constexpr std::array<std::string_view, 14> kResistivities = {
    TR("ondalab", "ACCIAIO = da 10 a 16"), TR("ondalab", "ALLUMINIO = 2.65"), TR("ondalab", "ARGENTO = 1.59"),
    TR("ondalab", "BRONZO = 1.79"),        TR("ondalab", "FERRO = 14"),       TR("ondalab", "MERCURIO = 94"),
    TR("ondalab", "NICHEL = 11.8"),        TR("ondalab", "ORO = 2.08"),       TR("ondalab", "OTTONE = 8.26"),
    TR("ondalab", "PIOMBO = 19.8"),        TR("ondalab", "PLATINO = 19.3"),   TR("ondalab", "RAME = 1.60"),
    TR("ondalab", "STAGNO = 11.3"),        TR("ondalab", "ZINCO = 5.8"),
};

}  // namespace ondalab::metals
