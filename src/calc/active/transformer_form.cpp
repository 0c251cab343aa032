#include "calc/active/transformer_form.h"

#include <string>

#include "calc/active/transformer.h"
#include "common/layout.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

constexpr Mask kTwoDecimals = "##0.##";

std::vector<ControlSpec> transformerControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    c.push_back(
        {.kind = K::Label,
         .name = "Label1",
         .rect = {240, 120, 8520, 900},
         .text =
             TR("frmtrasformatori",
                "Gli elementi principali che individuano un trasformatrore sono la potenza (in Watt) che è "
                "proporzionale alla sezione del nucleo,  la tensione dell'avvolgimento primario e quella "
                "dell'avvolgimento secondario o dei secondari. La potenza è inoltre dipendente dalla qualità "
                "dei lamierini."),
         .fore = colors::darkBlue});
    // The quality options come first in the focus order: the form opens
    // with the first one chosen.
    c.push_back({.kind = K::Frame,
                 .name = "Frame1",
                 .rect = {5160, 1140, 3600, 1680},
                 .text = TR("frmtrasformatori", "QUALITA'  DEI  LAMIERINI")});
    const char* qualities[] = {TR("frmtrasformatori", "Qualità bassa"),
                               TR("frmtrasformatori", "Qualità media"),
                               TR("frmtrasformatori", "A granuli orientati")};
    for (int i = 0; i < transformer::kQualities; ++i)
        c.push_back({.kind = K::Option,
                     .name = indexed("Option1", static_cast<size_t>(i)),
                     .rect = {5400, 1500 + i * 420, 3120, 330},
                     .text = qualities[i],
                     .group = "Frame1"});
    addInputRow(c, {.label = "txtlarghezza",
                    .caption = TR("frmtrasformatori", "larghezza del nucleo in mm"),
                    .box = "txtlunghezza",
                    .top = 1200,
                    .labelWidth = 3000,
                    .boxLeft = 3360});
    addInputRow(c, {.label = "Label3",
                    .caption = TR("frmtrasformatori", "altezza del nucleo in mm"),
                    .box = "txtaltezza",
                    .top = 1620,
                    .labelWidth = 3000,
                    .boxLeft = 3360});
    addInputRow(c, {.label = "Label4",
                    .caption = TR("frmtrasformatori", "Tensione primario in Volt"),
                    .box = "txtvp",
                    .top = 2040,
                    .labelWidth = 3000,
                    .boxLeft = 3360,
                    .text = "230"});
    addInputRow(c, {.label = "Label5",
                    .caption = TR("frmtrasformatori", "Tensione secondario in Volt"),
                    .box = "txtvs",
                    .top = 2460,
                    .labelWidth = 3000,
                    .boxLeft = 3360});
    c.push_back({.kind = K::Button,
                 .name = "cmdcalcola",
                 .rect = {2160, 3060, 1800, 450},
                 .text = TR("frmtrasformatori", "CALCOLA")});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {5040, 3060, 1800, 450},
                 .text = TR("frmtrasformatori", "E S C I")});
    // Results in two columns, each label showing what it holds until the
    // first computation.
    const struct {
        const char* name;
        const char* caption;
    } results[] = {
        {"lblSL", TR("frmtrasformatori", "SEZIONE LORDA  mmq")},
        {"lblSN", TR("frmtrasformatori", "SEZIONE NETTA  mmq")},
        {"lblWATT", TR("frmtrasformatori", "POTENZA IN WATT")},
        {"lblampprim", TR("frmtrasformatori", "AMPER PRIMARIO")},
        {"lblampsec", TR("frmtrasformatori", "AMPER  SECONDARIO")},
        {"lblSP", TR("frmtrasformatori", "SPIRE PER VOLT PRIMARIO")},
        {"lblSS", TR("frmtrasformatori", "SPIRE PER VOLT SECONDARIO")},
        {"lbltotSP", TR("frmtrasformatori", "TOTALE SPIRE PRIMARIO")},
        {"lbltotSS", TR("frmtrasformatori", "TOTALE SPIRE SECONDARIO")},
        {"lbldiamP", TR("frmtrasformatori", "DIAMETRO DEL FILO PRIM.  mm")},
        {"lbldiamS", TR("frmtrasformatori", "DIAMETRO DEL FILO SEC.   mm")},
    };
    for (int i = 0; i < 11; ++i)
        c.push_back({.kind = K::Label,
                     .name = results[i].name,
                     .rect = {i < 5 ? 240 : 4560, 3780 + (i < 5 ? i : i - 5) * 390, 4200, 330},
                     .text = results[i].caption,
                     .border = true});
    return c;
}

}  // namespace

Frmtrasformatori::Frmtrasformatori(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmtrasformatori", "CALCOLO TRASFORMATORI DI ALIMENTAZIONE"),
            .rect = {0, 0, 9120, 6720},
            .faultFocus = "txtlunghezza"},
           transformerControls()) {
    onClick("Option1", &Frmtrasformatori::Option1_Click);
    onClick(ctl("cmdcalcola"), &Frmtrasformatori::cmdcalcola_Click);
    onClick(ctl("cmdesci"), &Frmtrasformatori::cmdesci_Click);
}

void Frmtrasformatori::Option1_Click(int index) {
    const transformer::Quality q = transformer::quality(index);
    f_ = q.powerFactor;
    k_ = q.turnsConstant;
}

void Frmtrasformatori::cmdcalcola_Click() {
    const double w = num(txtlunghezza_), h = num(txtaltezza_), vp = num(txtvp_), vs = num(txtvs_);
    if (!missingDataOk(vs * vp * h * w, txtlunghezza_, Negative::Refused)) return;
    const double s = transformer::grossSection(w, h);
    const double sn = transformer::netSection(s);
    switch (transformer::fit(s)) {
        case transformer::SectionFit::TooSmall:
            return warnAndFocus(txtlunghezza_, TR("frmtrasformatori", "SEZIONE TROPPO PICCOLA"));
        case transformer::SectionFit::TooLarge:
            return warnAndFocus(txtlunghezza_, TR("frmtrasformatori", "SEZIONE TROPPO GROSSA"));
        case transformer::SectionFit::Ok:
            break;
    }
    // Every result first: a turn count beyond 16 bits or the root of a
    // negative current stops the computation before any label changes.
    const std::int16_t p = transformer::power(f_, s);
    const std::string tpText = masked(transformer::turnsPerVolt(k_, sn), kTwoDecimals);
    const double tp = readRegional(tpText, fmt());
    const std::string tsText = masked(transformer::secondaryTurnsPerVolt(tp), kTwoDecimals);
    const double ts = readRegional(tsText, fmt());
    const std::int16_t np = transformer::turns(tp, vp);
    const std::int16_t ns = transformer::turns(ts, vs);
    const std::string ipText = masked(transformer::current(p, vp), kTwoDecimals);
    const std::string isText = masked(transformer::current(p, vs), kTwoDecimals);
    const std::string dpText = masked(transformer::wireDiameter(readRegional(ipText, fmt())), kTwoDecimals);
    const std::string dsText = masked(transformer::wireDiameter(readRegional(isText, fmt())), kTwoDecimals);
    const std::string gross = general(s), net = general(sn);

    lblSL_.setText(compose(tr("frmtrasformatori", "SEZIONE LORDA mmq: %1"), {gross}));
    lblSN_.setText(compose(tr("frmtrasformatori", "SEZIONE NETTA mmq: %1"), {net}));
    lblSP_.setText(compose(tr("frmtrasformatori", "SPIRE PER VOLT PRIMARIO N. %1"), {tpText}));
    lblSS_.setText(compose(tr("frmtrasformatori", "SPIRE PER VOLT SECONDARIO N. %1"), {tsText}));
    lbltotSP_.setText(compose(tr("frmtrasformatori", "TOTALE SPIRE PRIMARIO N. %1"), {std::to_string(np)}));
    lbltotSS_.setText(compose(tr("frmtrasformatori", "TOTALE SPIRE SECONDARIO N. %1"), {std::to_string(ns)}));
    lbldiamP_.setText(compose(tr("frmtrasformatori", "DIAMETRO FILO PRIM. mm. %1"), {dpText}));
    lbldiamS_.setText(compose(tr("frmtrasformatori", "DIAMETRO FILO SEC.  mm. %1"), {dsText}));
    lblampprim_.setText(compose(tr("frmtrasformatori", "AMPER PRIMARIO : %1"), {ipText}));
    lblampsec_.setText(compose(tr("frmtrasformatori", "AMPER SECONDARIO : %1"), {isText}));
    lblWATT_.setText(compose(tr("frmtrasformatori", "POTENZA IN WATT : %1"), {std::to_string(p)}));
}

}  // namespace ondalab
