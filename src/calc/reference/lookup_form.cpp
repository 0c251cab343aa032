#include "calc/reference/lookup_form.h"

#include <string>

#include "calc/reference/dictionary.h"
#include "calc/reference/metals.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

constexpr const char* kTooltip = "clicca sulla freccia";

std::vector<ControlSpec> lookupControls(const LookupSpec& s) {
    const int width = s.form.rect.width - 2 * kBorderTwips - 480;
    return {
        {.kind = ControlKind::Combo,
         .name = s.combo,
         .rect = {240, 360, width, 315},
         .text = s.text,
         .tooltip = kTooltip},
        {.kind = ControlKind::Button,
         .name = s.exit,
         .rect = {(s.form.rect.width - 2 * kBorderTwips - 1500) / 2, 1080, 1500, 420},
         .text = s.exitCaption},
    };
}

}  // namespace

LookupForm::LookupForm(Workbench& wb, const LookupSpec& spec)
    : Form(wb, spec.form, lookupControls(spec)), entries_(spec.entries), combo_(ctl(spec.combo)) {
    onClick(ctl(spec.exit), &LookupForm::exit_Click);
}

void LookupForm::Form_Load() {
    for (std::string_view entry : entries_) combo_.addItem(std::string(entry));
}

Frmdizionario::Frmdizionario(Workbench& wb)
    : LookupForm(wb, {.form = {.name = kName,
                               .caption = "Abbreviazioni e terminologia ricorrente",
                               .rect = {0, 0, 6840, 2040},
                               .style = FrameStyle::Sizable,
                               .defaultButton = {}},
                      .combo = "cbodizionario",
                      .text = "A/D  =  convertitore da analogico a digitale",
                      .exit = "cmdesci",
                      .exitCaption = "ESCI",
                      .entries = dictionary::entries()}) {}

Frmpeso::Frmpeso(Workbench& wb)
    : LookupForm(wb, {.form = {.name = kName,
                               .caption = "Peso specifico in Kg./dm3",
                               .rect = {0, 0, 4560, 2040},
                               .defaultButton = {}},
                      .combo = "cbopeso",
                      .text = "ALLUMINIO = 2.70",
                      .exit = "cmdchiudi",
                      .exitCaption = "CHIUDI",
                      .entries = metals::kSpecificWeights}) {}

Frmresistivita::Frmresistivita(Workbench& wb)
    : LookupForm(wb, {.form = {.name = kName,
                               .caption = "Resistività di alcuni metalli in microhm-cm",
                               .rect = {0, 0, 4560, 2040},
                               .defaultButton = {}},
                      .combo = "cboresistività",
                      .text = "ACCIAIO = da 10 a 16",
                      .exit = "cmdchiudi",
                      .exitCaption = "CHIUDI",
                      .entries = metals::kResistivities}) {}

}  // namespace ondalab
