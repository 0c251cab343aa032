#include "calc/reference/wire_section_form.h"

#include <string>

#include "calc/reference/wire_section.h"
#include "common/layout.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

constexpr Mask kMillimetres = "#,##0.###";

std::vector<ControlSpec> sectionControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    c.push_back({.kind = K::Label,
                 .name = "Label1",
                 .rect = {240, 120, 5520, 540},
                 .text = TR("frmsezione",
                            "calcolo del diametro di un filo di rame in relazione all'intensità di corrente"),
                 .fore = colors::darkBlue,
                 .font = {.bold = true},
                 .align = Align::Center});
    addInputRow(c, {.label = "lblinput",
                    .caption = TR("frmsezione", "INTENSITA' DI CORRENTE IN AMPERE"),
                    .box = "txtinput",
                    .top = 840,
                    .boxLeft = 3720});
    const auto result = [&c](const char* name, int left, int top) {
        c.push_back({.kind = K::Label, .name = name, .rect = {left, top, 2760, 300}, .visible = false});
    };
    result("lbloutputmin", 240, 1500);
    result("lblmqmin", 3120, 1500);
    result("lbloutputnorm", 240, 1920);
    result("lblmqnorm", 3120, 1920);
    c.push_back({.kind = K::Button,
                 .name = "cmdcalcola",
                 .rect = {1080, 2520, 1680, 420},
                 .text = TR("frmsezione", "CALCOLA")});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {3240, 2520, 1680, 420},
                 .text = TR("frmsezione", "CHIUDI")});
    return c;
}

}  // namespace

Frmsezione::Frmsezione(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmsezione", "Diametro filo di rame "),
            .rect = {0, 0, 6120, 3600},
            .faultFocus = "txtinput"},
           sectionControls()) {
    onClick(ctl("cmdcalcola"), &Frmsezione::cmdcalcola_Click);
    onClick(ctl("cmdesci"), &Frmsezione::cmdesci_Click);
}

void Frmsezione::cmdcalcola_Click() {
    const double amperes = num(txtinput_);
    if (amperes == 0)
        warnAndFocus(txtinput_, TR("frmsezione", "INSERISCI DATO"));  // then shows the zero results
    // The sections are worked from the diameters as shown.
    const std::string dmin = masked(wire_section::minimumDiameter(amperes), kMillimetres);
    const std::string smin = masked(wire_section::section(readRegional(dmin, fmt())), kMillimetres);
    const std::string dnorm = masked(wire_section::normalDiameter(amperes), kMillimetres);
    const double snorm =
        toSingle(roundThrough(wire_section::section(readRegional(dnorm, fmt())), kMillimetres));
    const std::string snormText = shortT(snorm);
    for (Control* c : {&lbloutputmin_, &lbloutputnorm_, &lblmqmin_, &lblmqnorm_}) c->setVisible(true);
    lbloutputmin_.setText(compose(tr("frmsezione", "diametro minimo =  %1"), {dmin}));
    lbloutputnorm_.setText(compose(tr("frmsezione", "diametro normale =  %1"), {dnorm}));
    lblmqmin_.setText(compose(tr("frmsezione", "pari a sezione mmq : %1"), {smin}));
    lblmqnorm_.setText(compose(tr("frmsezione", "pari a sezione mmq : %1"), {snormText}));
}

}  // namespace ondalab
