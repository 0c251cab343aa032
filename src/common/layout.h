// Building blocks for the control tables of the forms.
#pragma once

#include <string>
#include <vector>

#include "common/control.h"

namespace ondalab {

// One input row: a caption label and the text box beside it. The label
// stands labelDrop twips lower than the box so that their texts line up.
struct InputRow {
    std::string label;         // "Label1"
    std::string caption = {};  // "FREQUENZA in MHz"; empty when a mode sets it
    std::string box;           // "txtfrequenza"
    int top = 0;
    int labelLeft = 240;
    int labelWidth = 3300;
    int boxLeft = 3600;
    int boxWidth = 1200;
    int boxHeight = 360;
    std::string tooltip = {};  // the box's
    std::string text = {};     // the box's default text
    Align labelAlign = Align::Left;
    Font labelFont = {};
    int labelDrop = 45;             // how much lower than the box the label stands
    std::string labelTooltip = {};  // the caption's, where the form puts it there
};

void addInputRow(std::vector<ControlSpec>& controls, const InputRow& row);

// The captions written on a form's drawing: each is placed from the
// drawing's top-left corner, so that moving the drawing moves them too.
//   const SketchCaptions onSketch{.controls = c, .sketch = kSketch, .fore = colors::darkBlue};
//   onSketch("Label1", "centro radiatore", 300, 120, 1800);
struct SketchCaptions {
    std::vector<ControlSpec>& controls;
    Rect sketch;
    int height = 260;
    Rgb fore = colors::black;
    Font font = {};
    void operator()(std::string name, std::string text, int x, int y, int width) const;
};

// How a result box looks; most are plain black on the form's background.
struct ResultStyle {
    Rgb fore = colors::black;
    Font font = {};
    Align align = Align::Left;
    bool visible = true;
};

// A result: the sunken box that a computation writes its text into.
ControlSpec resultLabel(std::string name, Rect rect, const ResultStyle& style = {});

}  // namespace ondalab
