#include "calc/reference/inches_form.h"

#include <string>

#include "calc/reference/inches.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

constexpr Mask kLength = "#,##0.###";
constexpr Mask kFeet = "#,##0.##";

std::vector<ControlSpec> inchesControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    // Option1 first in the focus order: the form opens converting inches.
    c.push_back({.kind = K::Frame,
                 .name = "fraconversione",
                 .rect = {240, 120, 3000, 1080},
                 .text = TR("frmmisureinglesi", "Conversione misure"),
                 .tooltip = TR("frmmisureinglesi", "effettua una scelta")});
    c.push_back({.kind = K::Option,
                 .name = "Option1",
                 .rect = {480, 420, 2520, 300},
                 .text = TR("frmmisureinglesi", "da pollici a cm."),
                 .group = "fraconversione"});
    c.push_back({.kind = K::Option,
                 .name = "Option2",
                 .rect = {480, 780, 2520, 300},
                 .text = TR("frmmisureinglesi", "da cm. a pollici"),
                 .group = "fraconversione"});
    c.push_back({.kind = K::Label, .name = "lblinput", .rect = {240, 1485, 1800, 300}});
    c.push_back({.kind = K::TextBox,
                 .name = "txtinput",
                 .rect = {2040, 1440, 1200, 360},
                 .tooltip = TR("frmmisureinglesi", "inserisci misura da convertire")});
    c.push_back({.kind = K::Button,
                 .name = "cmdcalcola",
                 .rect = {240, 2040, 1380, 420},
                 .text = TR("frmmisureinglesi", "CONVERTI")});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {1860, 2040, 1380, 420},
                 .text = TR("frmmisureinglesi", "CHIUDI")});
    c.push_back({.kind = K::Label, .name = "lbloutput", .rect = {240, 2700, 3000, 300}, .visible = false});
    c.push_back({.kind = K::Label, .name = "lblpiedi", .rect = {240, 3060, 3000, 300}});
    c.push_back({.kind = K::Frame,
                 .name = "Frame1",
                 .rect = {3480, 120, 2160, 3240},
                 .text = TR("frmmisureinglesi", "Frazioni inglesi ordinarie"),
                 .tooltip = TR("frmmisureinglesi", "frazioni di uso comune")});
    c.push_back({.kind = K::Label,
                 .name = "Label1",
                 .rect = {3660, 420, 900, 300},
                 .text = TR("frmmisureinglesi", "In pollice")});
    c.push_back({.kind = K::Label,
                 .name = "Label2",
                 .rect = {4680, 420, 840, 300},
                 .text = TR("frmmisureinglesi", "in mm")});
    // Narrow and tall: each caption wraps one value to a line, the two
    // side by side read as a table.
    c.push_back({.kind = K::Label,
                 .name = "Label3",
                 .rect = {3780, 780, 450, 2400},
                 .text = "1/16  1/8  1/4  3/8  1/2  5/8  3/4"});
    c.push_back({.kind = K::Label,
                 .name = "Label4",
                 .rect = {4680, 780, 600, 2400},
                 .text = "1.587  3.175  6.350  9.525 12.70  15.875 19.050"});
    return c;
}

}  // namespace

Frmmisureinglesi::Frmmisureinglesi(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmmisureinglesi", "Conversione misure inglesi"),
            .rect = {0, 0, 6000, 3960},
            .faultFocus = "txtinput"},
           inchesControls()) {
    onClick(Option1_, &Frmmisureinglesi::Option1_Click);
    onClick(Option2_, &Frmmisureinglesi::Option2_Click);
    onClick(ctl("cmdcalcola"), &Frmmisureinglesi::cmdcalcola_Click);
    onClick(ctl("cmdesci"), &Frmmisureinglesi::cmdesci_Click);
}

void Frmmisureinglesi::Option1_Click() {
    lbloutput_.setVisible(false);
    if (Option1_.checked()) lblinput_.setText(tr("frmmisureinglesi", "misura in pollici"));
}

void Frmmisureinglesi::Option2_Click() {
    lbloutput_.setVisible(false);
    if (Option2_.checked()) lblinput_.setText(tr("frmmisureinglesi", "misura in cm."));
}

void Frmmisureinglesi::cmdcalcola_Click() {
    lbloutput_.setVisible(true);
    const double x = num(txtinput_);
    if (x == 0) warnAndFocus(txtinput_, TR("frmmisureinglesi", "INSERISCI MISURA"));  // then converts 0
    std::string output;
    double feet = 0;
    if (Option1_.checked()) {
        const std::string cm = masked(inches::centimetres(x), kLength);
        feet = inches::feet(readRegional(cm, fmt()));  // from the centimetres as shown
        output = compose(tr("frmmisureinglesi", "misura in cm. : %1"), {cm});
    } else {
        feet = inches::feet(x);
        output =
            compose(tr("frmmisureinglesi", "misura in pollici : %1"), {masked(inches::inchesOf(x), kLength)});
    }
    const std::string feetText = shortT(toSingle(roundThrough(feet, kFeet)));
    lbloutput_.setText(output);
    lblpiedi_.setText(compose(tr("frmmisureinglesi", "corrisponde a piedi : %1"), {feetText}));
}

}  // namespace ondalab
