#include "common/layout.h"

#include <utility>

namespace ondalab {

namespace {
constexpr int kLabelHeight = 300;
}  // namespace

void addInputRow(std::vector<ControlSpec>& controls, const InputRow& row) {
    controls.push_back({.kind = ControlKind::Label,
                        .name = row.label,
                        .rect = {row.labelLeft, row.top + row.labelDrop, row.labelWidth, kLabelHeight},
                        .text = row.caption,
                        .tooltip = row.labelTooltip,
                        .font = row.labelFont,
                        .align = row.labelAlign});
    controls.push_back({.kind = ControlKind::TextBox,
                        .name = row.box,
                        .rect = {row.boxLeft, row.top, row.boxWidth, row.boxHeight},
                        .text = row.text,
                        .tooltip = row.tooltip});
}

void SketchCaptions::operator()(std::string name, std::string text, int x, int y, int width) const {
    controls.push_back({.kind = ControlKind::Label,
                        .name = std::move(name),
                        .rect = {sketch.left + x, sketch.top + y, width, height},
                        .text = std::move(text),
                        .fore = fore,
                        .font = font});
}

ControlSpec resultLabel(std::string name, Rect rect, const ResultStyle& style) {
    return {.kind = ControlKind::Label,
            .name = std::move(name),
            .rect = rect,
            .visible = style.visible,
            .fore = style.fore,
            .font = style.font,
            .align = style.align,
            .border = true};
}

}  // namespace ondalab
