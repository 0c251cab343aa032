#include "common/layout.h"

namespace ondalab {

namespace {
constexpr int kLabelDrop = 45;      // the caption's baseline against the box's text
constexpr int kLabelHeight = 300;
}  // namespace

void addInputRow(std::vector<ControlSpec>& controls, const InputRow& row) {
    controls.push_back({.kind = ControlKind::Label,
                        .name = row.label,
                        .rect = {row.labelLeft, row.top + kLabelDrop, row.labelWidth, kLabelHeight},
                        .text = row.caption,
                        .font = row.labelFont,
                        .align = row.labelAlign});
    controls.push_back({.kind = ControlKind::TextBox,
                        .name = row.box,
                        .rect = {row.boxLeft, row.top, row.boxWidth, row.boxHeight},
                        .text = row.text,
                        .tooltip = row.tooltip});
}

}  // namespace ondalab
