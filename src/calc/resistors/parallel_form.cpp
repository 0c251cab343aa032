#include "calc/resistors/parallel_form.h"

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
    .caption1 = "Ohm prima resistenza",
    .caption2 = "Ohm seconda resistenza",
    .boxTooltip = "",
    .result = "lblRT",
    .prefix = "Resistenza risultante  :  ",
    .unit = " OHM",
    .part1 = "lblohmR1",
    .part2 = "lblohmR2",
    .partName1 = "R1",
    .partName2 = "R2",
    .note =
        "Il valore omico di più resistenze in parallelo è sempre inferiore al valore della più piccola delle "
        "resistenze",
    .exitTooltip = "chiude l'applicazione",
};

}  // namespace

Frmresistenze::Frmresistenze(Workbench& wb)
    : PairForm(wb,
               {.name = kName,
                .caption = "RESISTENZE IN PARALLELO",
                .rect = {0, 0, 6780, 4560},
                .faultFocus = "txtR1"},
               kTexts,
               {.image = kImage,
                .picture = parallelSketch(),
                .part1 = {kImage.left + 950, kImage.top + 650, 1100, 300},
                .part2 = {kImage.left + 2250, kImage.top + 650, 1100, 300}}) {}

}  // namespace ondalab
