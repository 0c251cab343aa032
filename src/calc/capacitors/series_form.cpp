#include "calc/capacitors/series_form.h"

#include "common/catalogue.h"
#include "common/schematic.h"

namespace ondalab {

namespace {

constexpr Rect kImage = {1600, 1800, 3400, 1600};  // centred under the result

// Two capacitors in series on one line.
Picture seriesSketch() {
    schematic::Drawing d;
    d.capacitor({100, 500}, {1700, 500}, "").capacitor({1700, 500}, {3300, 500}, "");
    return d.picture();
}

const PairTexts kTexts = {
    .box1 = "txtC1",
    .box2 = "txtC2",
    .label1 = "lblC1",
    .label2 = "lblC2",
    .caption1 = TR("frmcondensatori", "picoFarad primo condensatore"),
    .caption2 = TR("frmcondensatori", "picoFarad secondo condensatore"),
    .boxTooltip = TR("frmcondensatori", "separare i decimali con il punto del tastierino"),
    .result = "lblCT",
    .prefix = TR("frmcondensatori", "Capacità risultante  :  "),
    .unit = TR("frmcondensatori", " pFarad"),
    .part1 = "pico1",
    .part2 = "pico2",
    .partName1 = TR("frmcondensatori", "C 1"),
    .partName2 = TR("frmcondensatori", "C 2"),
    .note = TR(
        "frmcondensatori",
        "La capacità complessiva di più condensatori in serie è sempre inferiore al valore del più piccolo "
        "dei condensatori collegati"),
    .exitTooltip = TR("frmcondensatori", "esce dall'applicazione"),
};

}  // namespace

Frmcondensatori::Frmcondensatori(Workbench& wb)
    : PairForm(wb,
               {.name = kName,
                .caption = TR("frmcondensatori", "CONDENSATORI IN SERIE"),
                .rect = {0, 0, 6780, 4560},
                .faultFocus = "txtC1"},
               kTexts,
               {.image = kImage,
                .picture = seriesSketch(),
                .part1 = {kImage.left + 350, kImage.top + 800, 1100, 300},
                .part2 = {kImage.left + 1950, kImage.top + 800, 1100, 300}}) {}

}  // namespace ondalab
