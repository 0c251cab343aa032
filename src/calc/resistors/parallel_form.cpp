#include "calc/resistors/parallel_form.h"

#include "common/catalogue.h"
#include "common/schematic.h"

namespace ondalab {

namespace {

constexpr Rect kImage = {1600, 1800, 3400, 1600};  // centred under the result

// Two resistors side by side between two common lines.
Picture parallelSketch() {
    schematic::Drawing d;
    d.wire({100, 200}, {3000, 200}).wire({100, 1400}, {3000, 1400});
    d.resistor({800, 200}, {800, 1400}, "").resistor({2100, 200}, {2100, 1400}, "");
    d.node({800, 200}).node({2100, 200}).node({800, 1400}).node({2100, 1400});
    return d.picture();
}

const PairTexts kTexts = {
    .box1 = "txtR1",
    .box2 = "txtR2",
    .label1 = "lblR1",
    .label2 = "lblR2",
    .caption1 = TR("frmresistenze", "Ohm prima resistenza"),
    .caption2 = TR("frmresistenze", "Ohm seconda resistenza"),
    .boxTooltip = "",
    .result = "lblRT",
    .prefix = TR("frmresistenze", "Resistenza risultante  :  "),
    .unit = TR("frmresistenze", " OHM"),
    .part1 = "lblohmR1",
    .part2 = "lblohmR2",
    .partName1 = TR("frmresistenze", "R1"),
    .partName2 = TR("frmresistenze", "R2"),
    .note = TR(
        "frmresistenze",
        "Il valore omico di più resistenze in parallelo è sempre inferiore al valore della più piccola delle "
        "resistenze"),
    .exitTooltip = TR("frmresistenze", "chiude l'applicazione"),
};

}  // namespace

Frmresistenze::Frmresistenze(Workbench& wb)
    : PairForm(wb,
               {.name = kName,
                .caption = TR("frmresistenze", "RESISTENZE IN PARALLELO"),
                .rect = {0, 0, 6780, 4560},
                .faultFocus = "txtR1"},
               kTexts,
               {.image = kImage,
                .picture = parallelSketch(),
                .part1 = {kImage.left + 950, kImage.top + 650, 1100, 300},
                .part2 = {kImage.left + 2250, kImage.top + 650, 1100, 300}}) {}

}  // namespace ondalab
