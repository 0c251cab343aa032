// The glossary: its size, the entries quoted in the documentation exactly
// (blanks included), and the "TERM = meaning" shape of every other entry.
#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "calc/reference/dictionary.h"

namespace ondalab::dictionary {
namespace {

TEST(ReferenceDictionary, EntriesAsDocumented) {
    const auto& list = entries();
    ASSERT_EQ(list.size(), 143u);
    EXPECT_EQ(list.front(), "AC  =  corrente alternata");
    EXPECT_EQ(list.back(), "XTAL  = cristallo di quarzo ");
    const char* quoted[] = {
        "ACORN TUBE = valvola a ghianda ",
        "A/D = convertitore da analogico a digitale",
        "AFC comando automatico di frequenza",
        "AFSK manipolazione a spostam. di frequenza",
        "ALC comando automatico di carico o di livello",
        "ARRL = Associazione dei Radioamatori Americani",
        "COAXIAL LINE = cavo schermato, linea coassiale",
        "CHOKE  = impedenza d'arresto",
        "FE = IRON  ferro",
        "IARU = Associazione Int. dei Radioamatori",
        "IN = inch - pollice (2,54 cm.)",
        "IN o INPUT = ingresso ",
        "n.c. = non collegato",
        "pb = piombo",
        "SQUARE  = quadrato, square wave=onda quadra ",
    };
    for (const char* q : quoted) EXPECT_NE(std::find(list.begin(), list.end(), q), list.end()) << q;

    std::vector<std::string_view> withoutEquals;
    for (const auto& e : list) {
        if (e.find('=') == std::string_view::npos)
            withoutEquals.push_back(e);
        else
            EXPECT_NE(e.find(" ="), std::string_view::npos) << e;  // the term, a blank, then "="
    }
    EXPECT_EQ(withoutEquals,
              (std::vector<std::string_view>{"AFC comando automatico di frequenza",
                                             "AFSK manipolazione a spostam. di frequenza",
                                             "ALC comando automatico di carico o di livello"}));
    // "COAXIAL LINE" is added before "CHOKE"; the sorted list shows them the other way round.
    const auto coaxial =
        std::find(list.begin(), list.end(), "COAXIAL LINE = cavo schermato, linea coassiale");
    EXPECT_EQ(*(coaxial + 1), "CHOKE  = impedenza d'arresto");
}

}  // namespace
}  // namespace ondalab::dictionary
