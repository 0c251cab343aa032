#include "common/layout.h"

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

}  // namespace ondalab
