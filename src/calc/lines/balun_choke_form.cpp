#include "calc/lines/balun_choke_form.h"

#include <array>

#include "common/catalogue.h"

namespace ondalab {

namespace {

constexpr const char* kHeading = TR(
    "frmbalunchoke", "BANDA              RG 58   mt.      spire                  RG 213   mt.        spire");
// One row per band, 80 m at the top. The runs of blanks centre each value
// under its heading word in the form's font (a blank is half a digit wide).
constexpr std::array<const char*, 5> kRows = {
    "    80                                6        6-8                                   6,7           8",
    "    40                              4,5         6                                    6,7          10",
    "    20                              2,7         8                                     3             4",
    "    15                              1,8         8                                    2,7         6-8",
    "    10                              1,2       6-8                                   1,8         6-8",
};

std::vector<ControlSpec> balunControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    c.push_back(
        {.kind = K::Label,
         .name = "Label1",
         .rect = {240, 120, 8400, 900},
         .text = TR("frmbalunchoke",
                    "Normalmente in un cavo coassiale le correnti dovrebbero scorrere in opposizione di fase "
                    "lungo il conduttore interno e la superficie esterna della calza. In condizioni di "
                    "sbilanciamento (frequenti in pratica) si viene a creare una corrente che interessa la "
                    "superficie esterna della calza con irradiazione di segnale e produzione di TVI.")});
    c.push_back(
        {.kind = K::Label,
         .name = "Label2",
         .rect = {240, 1080, 8400, 900},
         .text = TR("frmbalunchoke",
                    "Il rimedio più semplice per tentare di bloccare questa corrente indesiderata, consiste "
                    "nel realizzare - nel punto di alimentazione dell'antenna - una bobina avvolgendo "
                    "strettamente alcune spire costituite dallo stesso cavo coassiale. Premesso che "
                    "l'efficienza diminuisce nelle bande basse, seguono i dati consigliati dalla ARRL.")});
    c.push_back({.kind = K::Label, .name = "Label3", .rect = {240, 2100, 8400, 300}, .text = kHeading});
    for (size_t i = 0; i < kRows.size(); ++i)
        c.push_back({.kind = K::Label,
                     .name = "Label" + std::to_string(4 + i),
                     .rect = {240, 2460 + 300 * static_cast<int>(i), 8400, 270},
                     .text = kRows[i],
                     .fore = colors::darkBlue});
    c.push_back({.kind = K::Label,
                 .name = "Label9",
                 .rect = {240, 4080, 8400, 300},
                 .text = TR("frmbalunchoke", "PER UN LARGA BANDA DA 80 A 10 MT CIRCA  7 SPIRE CON 3 MT")});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {3600, 4560, 1500, 420},
                 .text = TR("frmbalunchoke", "C H I U D I")});
    return c;
}

}  // namespace

Frmbalunchoke::Frmbalunchoke(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmbalunchoke", "BALUN  CHOKE"),
            .rect = {0, 0, 9000, 5580},
            .defaultButton = {}},
           balunControls()) {
    onClick(ctl("cmdesci"), &Frmbalunchoke::cmdesci_Click);
}

}  // namespace ondalab
