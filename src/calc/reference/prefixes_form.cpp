#include "calc/reference/prefixes_form.h"

#include "common/workbench.h"

namespace ondalab {

namespace {

// One caption a row; the runs of blanks set the three columns under the
// heading (measured in the forms' usual 8-point sans-serif face).
constexpr const char* kRows[] = {
    TR("frmprefissi", "NOME              SIMBOLO     VALORE MOLTIPLICATIVO"),
    TR("frmprefissi", "tera                       T            1.000.000.000.000"),
    TR("frmprefissi", "giga                       G           1.000.000.000"),
    TR("frmprefissi", "mega                     M          1.000.000"),
    TR("frmprefissi", "chilo                      K           1.000"),
    TR("frmprefissi", "deci                       d           0,1"),
    TR("frmprefissi", "centi                      c           0,01"),
    TR("frmprefissi", "milli                       m          0,001"),
    TR("frmprefissi", "micro                     u           0,000 001"),
    TR("frmprefissi", "nano                      n           0,000 000 001"),
    TR("frmprefissi", "pico                       p           0,000 000 000 001"),
};

std::vector<ControlSpec> prefixControls() {
    std::vector<ControlSpec> c;
    for (size_t i = 0; i < std::size(kRows); ++i)
        c.push_back({.kind = ControlKind::Label,
                     .name = "Label" + std::to_string(i + 1),
                     .rect = {360, 240 + static_cast<int>(i) * 360, 5400, 300},
                     .text = kRows[i],
                     .fore = i == 0 ? colors::darkBlue : colors::black});
    c.push_back({.kind = ControlKind::Button,
                 .name = "cmdchiudi",
                 .rect = {2100, 4380, 1800, 450},
                 .text = TR("frmprefissi", "C H I U D I")});
    return c;
}

}  // namespace

Frmprefissi::Frmprefissi(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmprefissi", "VALORI E SIMBOLI DEI PREFISSI MOLTIPLICATIVI"),
            .rect = {0, 0, 6120, 5400},
            .defaultButton = {}},
           prefixControls()) {
    onClick(ctl("cmdchiudi"), &Frmprefissi::cmdchiudi_Click);
}

}  // namespace ondalab
