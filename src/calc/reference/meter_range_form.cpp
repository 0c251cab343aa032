#include "calc/reference/meter_range_form.h"

#include <string>

#include "calc/reference/meter_range.h"
#include "common/fault.h"
#include "common/layout.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

constexpr Mask kShuntMask = "#,##0.##";

// The names that differ between the two forms.
struct Names {
    const char* meterBox;
    const char* button;
    const char* result;
    const char* explanation;
};

std::vector<ControlSpec> meterControls(const Names& n) {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    c.push_back({.kind = K::Label,
                 .name = "Label1",
                 .rect = {240, 120, 6480, 780},
                 .text = n.explanation,
                 .fore = colors::darkBlue});
    addInputRow(c, {.label = "lblinput",
                    .caption = TR("ondalab", "Resistenza interna dello strumento :"),
                    .box = n.meterBox,
                    .top = 1080,
                    .labelWidth = 5040,
                    .boxLeft = 5400,
                    .boxWidth = 1320});
    addInputRow(c,
                {.label = "lblnr",
                 .caption = TR("ondalab", "Nr. di volte per cui si vuole estendere la portata della scala"),
                 .box = "txtnr",
                 .top = 1560,
                 .labelWidth = 5040,
                 .boxLeft = 5400,
                 .boxWidth = 1320});
    c.push_back({.kind = K::Label, .name = n.result, .rect = {240, 2280, 6480, 300}, .font = {.bold = true}});
    c.push_back({.kind = K::Button,
                 .name = n.button,
                 .rect = {1440, 2820, 1680, 420},
                 .text = TR("ondalab", "CALCOLA")});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {3840, 2820, 1680, 420},
                 .text = TR("ondalab", "E S C I")});
    return c;
}

}  // namespace

Frmshunt::Frmshunt(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("ondalab", "Resistenza di shunt per amperometro"),
            .rect = {0, 0, 7080, 3780},
            .faultFocus = "txtrm"},
           meterControls(
               {.meterBox = "txtrm",
                .button = "cmdcalcola",
                .result = "lblrs",
                .explanation = TR("ondalab",
                                  "Viene calcolato il valore della resistenza che, posta in parallelo ad un "
                                  "amperometro, consente di estenderne la portata di \" n \" volte.")})) {
    onClick(ctl("cmdcalcola"), &Frmshunt::cmdcalcola_Click);
    onClick(ctl("cmdesci"), &Frmshunt::cmdesci_Click);
}

void Frmshunt::cmdcalcola_Click() {
    const double rm = num(txtrm_), n = num(txtnr_);
    if (!missingDataOk(n * rm, txtrm_)) return;
    const double rs = finite(toSingle(roundThrough(meter_range::shunt(rm, n), kShuntMask)));
    lblrs_.setText(compose(tr("ondalab", "resistenza SHUNT in Ohm  =  %1"), {shortT(rs)}));
}

Frmvoltmetro::Frmvoltmetro(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("ondalab", "Resistenza in serie per voltmetro"),
            .rect = {0, 0, 7080, 3780},
            .faultFocus = "txtRM",
            .defaultButton = "cdmcalcola"},
           meterControls(
               {.meterBox = "txtRM",
                .button = "cdmcalcola",
                .result = "lbloutput",
                .explanation = TR("ondalab",
                                  "Viene calcolato il valore della resistenza che, posta in serie ad un "
                                  "voltmetro, consente di estenderne la portata di \" n \" volte .")})) {
    onClick(ctl("cdmcalcola"), &Frmvoltmetro::cdmcalcola_Click);
    onClick(ctl("cmdesci"), &Frmvoltmetro::cmdesci_Click);
}

void Frmvoltmetro::cdmcalcola_Click() {
    const double rm = num(txtRM_), n = num(txtnr_);
    if (!missingDataOk(n * rm, txtRM_)) return;
    lbloutput_.setText(compose(tr("ondalab", "resistenza in Ohm da inserire in serie allo strumento =  %1"),
                               {shortT(meter_range::series(rm, n))}));
}

}  // namespace ondalab
