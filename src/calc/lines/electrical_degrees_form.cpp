#include "calc/lines/electrical_degrees_form.h"

#include <array>

#include "calc/lines/electrical_degrees.h"
#include "common/catalogue.h"
#include "common/layout.h"

namespace ondalab {

namespace {

constexpr Mask kDegrees = "##0.#";
constexpr Mask kMetres = "##0.##";

struct Direction {
    const char* option;
    const char* quantity;  // lblinput's caption
};

constexpr std::array<Direction, 2> kDirections = {{
    {TR("frmgradi", "da metri a gradi"), TR("frmgradi", "LUNGHEZZA IN METRI")},
    {TR("frmgradi", "da gradi a metri"), TR("frmgradi", "GRADI")},
}};

std::vector<ControlSpec> degreesControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    // the direction comes first in the focus order: metres to degrees on opening
    c.push_back({.kind = K::Frame,
                 .name = "Frame1",
                 .rect = {240, 120, 2700, 1080},
                 .text = TR("frmgradi", "Conversione")});
    for (size_t i = 0; i < kDirections.size(); ++i)
        c.push_back({.kind = K::Option,
                     .name = indexed("Option1", i),
                     .rect = {420, 420 + 360 * static_cast<int>(i), 2400, 300},
                     .text = kDirections[i].option,
                     .group = "Frame1"});
    addInputRow(c, {.label = "lblinput",
                    .caption = "",  // named by the chosen direction
                    .box = "txtinput",
                    .top = 240,
                    .labelLeft = 3180,
                    .labelWidth = 2400,
                    .boxLeft = 5640});
    addInputRow(c, {.label = "lblfrequenza",
                    .caption = TR("frmgradi", "FREQUENZA IN MHz"),
                    .box = "txtfrequenza",
                    .top = 720,
                    .labelLeft = 3180,
                    .labelWidth = 2400,
                    .boxLeft = 5640});
    c.push_back({.kind = K::Button,
                 .name = "cmdcalcola",
                 .rect = {240, 1440, 1500, 420},
                 .text = TR("frmgradi", "CALCOLA")});
    c.push_back({.kind = K::Button,
                 .name = "cmdchiudi",
                 .rect = {5340, 1440, 1500, 420},
                 .text = TR("frmgradi", "C H I U D I")});
    c.push_back(
        resultLabel("lbloutput", {240, 2040, 6600, 330}, {.fore = colors::darkBlue, .visible = false}));
    c.push_back(
        {.kind = K::Label,
         .name = "Label1",
         .rect = {240, 2580, 6600, 600},
         .text = TR("frmgradi",
                    "In fase di dimensionamento di una antenna accorciata, per mantenere una resa "
                    "soddisfacente,  non è consigliabile scendere al di sotto di 60 gradi elettrici.")});
    return c;
}

}  // namespace

Frmgradi::Frmgradi(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmgradi", "Conversione metri e gradi elettrici"),
            .rect = {0, 0, 7200, 3720},
            .faultFocus = "txtinput"},
           degreesControls()) {
    onClick("Option1", &Frmgradi::Option1_Click);
    onClick(ctl("cmdcalcola"), &Frmgradi::cmdcalcola_Click);
    onClick(ctl("cmdchiudi"), &Frmgradi::cmdchiudi_Click);
}

void Frmgradi::Option1_Click(int index) {
    metresToDegrees_ = index == 0;
    lblinput_.setText(tr(kName, kDirections[static_cast<size_t>(index)].quantity));
}

void Frmgradi::cmdcalcola_Click() {
    const double x = num(txtinput_), f = num(txtfrequenza_);
    lbloutput_.setVisible(true);  // from the first press on, whatever the checks say
    if (!missingDataOk(f * x, txtinput_)) return;
    if (metresToDegrees_)
        toDegrees(x, f);
    else
        toMetres(x, f);
}

void Frmgradi::toDegrees(double metres, double frequency) {
    if (electrical_degrees::exceedsWavelength(metres, frequency)) {
        warnAndFocus(txtinput_, TR("frmgradi", "I METRI ECCEDONO LA LUNGHEZZA D'ONDA"));
        return;
    }
    const double d = toSingle(roundThrough(electrical_degrees::degrees(metres, frequency), kDegrees));
    lbloutput_.setText(compose(tr("frmgradi", "CORRISPONDE A GRADI  :  %1"), {shortT(d)}));
}

void Frmgradi::toMetres(double degrees, double frequency) {
    // more than a full turn is taken as a full turn, and the box says so
    if (degrees > electrical_degrees::kFullTurn) {
        degrees = electrical_degrees::kFullTurn;
        txtinput_.setText("360");
    }
    const std::string m = masked(electrical_degrees::metres(degrees, frequency), kMetres);
    lbloutput_.setText(compose(tr("frmgradi", "CORRISPONDE A METRI  :  %1"), {m}));
}

}  // namespace ondalab
