#include "calc/reference/lookup_form.h"

#include <string>

#include "calc/reference/dictionary.h"
#include "calc/reference/metals.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

constexpr const char* kTooltip = TR("ondalab", "clicca sulla freccia");

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
    for (std::string_view entry : entries_) combo_.addItem(tr(name(), entry));
}

Frmdizionario::Frmdizionario(Workbench& wb)
    : LookupForm(wb, {.form = {.name = kName,
                               .caption = TR("ondalab", "Abbreviazioni e terminologia ricorrente"),
                               .rect = {0, 0, 6840, 2040},
                               .style = FrameStyle::Sizable,
                               .defaultButton = {}},
                      .combo = "cbodizionario",
                      .text = TR("ondalab", "A/D  =  convertitore da analogico a digitale"),
                      .exit = "cmdesci",
                      .exitCaption = TR("ondalab", "ESCI"),
                      .entries = dictionary::entries()}) {}

Frmpeso::Frmpeso(Workbench& wb)
    : LookupForm(wb, {.form = {.name = kName,
                               .caption = TR("ondalab", "Peso specifico in Kg./dm3"),
                               .rect = {0, 0, 4560, 2040},
                               .defaultButton = {}},
                      .combo = "cbopeso",
                      .text = TR("ondalab", "ALLUMINIO = 2.70"),
                      .exit = "cmdchiudi",
                      .exitCaption = TR("ondalab", "CHIUDI"),
                      .entries = metals::kSpecificWeights}) {}

Frmresistivita::Frmresistivita(Workbench& wb)
    : LookupForm(wb, {.form = {.name = kName,
                               .caption = TR("ondalab", "Resistività di alcuni metalli in microhm-cm"),
                               .rect = {0, 0, 4560, 2040},
                               .defaultButton = {}},
                      .combo = "cboresistività",
                      .text = TR("ondalab", "ACCIAIO = da 10 a 16"),
                      .exit = "cmdchiudi",
                      .exitCaption = TR("ondalab", "CHIUDI"),
                      .entries = metals::kResistivities}) {}

}  // namespace ondalab
