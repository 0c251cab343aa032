// Building blocks for the control tables of the forms.
#pragma once

#include <string>
#include <vector>

#include "common/control.h"

namespace ondalab {

// One input row: a caption label and the text box beside it. The label
// stands labelDrop twips lower than the box so that their texts line up.
struct InputRow {
    std::string label;    // "Label1"
    std::string caption = {};  // "FREQUENZA in MHz"; empty when a mode sets it
    std::string box;      // "txtfrequenza"
    int top = 0;
    int labelLeft = 240;
    int labelWidth = 3300;
    int boxLeft = 3600;
    int boxWidth = 1200;
    int boxHeight = 360;
    std::string tooltip = {};  // the box's
    std::string text = {};          // the box's default text
    Align labelAlign = Align::Left;
    Font labelFont = {};
    int labelDrop = 45;  // how much lower than the box the label stands
    std::string labelTooltip = {};  // the caption's, where the form puts it there
};

void addInputRow(std::vector<ControlSpec>& controls, const InputRow& row);

}  // namespace ondalab
