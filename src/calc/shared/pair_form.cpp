#include "calc/shared/pair_form.h"

#include <tuple>

#include "calc/shared/parallel.h"
#include "common/catalogue.h"
#include "common/layout.h"
#include "common/schematic.h"

namespace ondalab {

namespace {

constexpr Mask kResultMask = "#,##0.###";
constexpr Mask kPartMask = "#,##0.#";

// The inputs one above the other with their captions to the right, the
// buttons beside them, the result below, then the schematic and the note.
std::vector<ControlSpec> pairControls(const PairTexts& t, const PairDrawing& d) {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    for (const auto& [box, label, caption, top] :
         {std::tuple{t.box1, t.label1, t.caption1, 300}, std::tuple{t.box2, t.label2, t.caption2, 780}})
        addInputRow(c, {.label = label,
                        .caption = caption,
                        .box = box,
                        .top = top,
                        .labelLeft = 1800,
                        .labelWidth = 2900,
                        .boxLeft = 240,
                        .boxWidth = 1400,
                        .tooltip = t.boxTooltip});
    c.push_back({.kind = K::Button,
                 .name = "cmdcalcola",
                 .rect = {4900, 240, 1500, 450},
                 .text = TR("ondalab", "CALCOLA"),
                 .tooltip = TR("ondalab", "abilita il calcolo")});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {4900, 780, 1500, 450},
                 .text = TR("ondalab", "ESCI"),
                 .tooltip = t.exitTooltip});
    c.push_back({.kind = K::Label, .name = t.result, .rect = {240, 1380, 6200, 300}, .font = {.bold = true}});
    c.push_back(schematic::imageControl("Image1", d.image, d.picture));
    c.push_back(
        {.kind = K::Label, .name = t.part1, .rect = d.part1, .text = t.partName1, .align = Align::Center});
    c.push_back(
        {.kind = K::Label, .name = t.part2, .rect = d.part2, .text = t.partName2, .align = Align::Center});
    c.push_back({.kind = K::Label,
                 .name = "Label1",
                 .rect = {240, 3550, 6200, 520},
                 .text = t.note,
                 .fore = colors::darkBlue});
    return c;
}

}  // namespace

PairForm::PairForm(Workbench& wb, FormSpec spec, const PairTexts& texts, const PairDrawing& drawing)
    : Form(wb, std::move(spec), pairControls(texts, drawing)),
      prefix_(texts.prefix),
      unit_(texts.unit),
      box1_(ctl(texts.box1)),
      box2_(ctl(texts.box2)),
      result_(ctl(texts.result)),
      part1_(ctl(texts.part1)),
      part2_(ctl(texts.part2)) {
    onClick(ctl("cmdcalcola"), &PairForm::cmdcalcola_Click);
    onClick(ctl("cmdesci"), &PairForm::cmdesci_Click);
}

void PairForm::cmdcalcola_Click() {
    const double a = num(box1_), b = num(box2_);
    if (!missingDataOk(a * b, box1_)) return;
    const std::string total =
        tr(name(), prefix_) + masked(parallel::combine(a, b), kResultMask) + tr(name(), unit_);
    const std::string first = masked(a, kPartMask), second = masked(b, kPartMask);
    result_.setText(total);
    part1_.setText(first);
    part2_.setText(second);
}

}  // namespace ondalab
