// Two values that combine as a b / (a + b): resistors in parallel and
// capacitors in series share this form's shape (two inputs, a result line,
// the two values written onto the schematic).
#pragma once

#include "common/form.h"

namespace ondalab {

// What tells the two pair forms apart.
struct PairTexts {
    const char* box1;  // "txtR1"
    const char* box2;
    const char* label1;  // "lblR1"
    const char* label2;
    const char* caption1;  // "Ohm prima resistenza"
    const char* caption2;
    const char* boxTooltip;
    const char* result;  // "lblRT"
    const char* prefix;  // "Resistenza risultante  :  "
    const char* unit;    // " OHM"
    const char* part1;   // "lblohmR1": the first part's name on the schematic
    const char* part2;
    const char* partName1;  // "R1"
    const char* partName2;
    const char* note;
    const char* exitTooltip;
};

// Where the schematic stands and where the parts' names sit on it.
struct PairDrawing {
    Rect image;
    Picture picture;
    Rect part1, part2;
};

class PairForm : public Form {
protected:
    PairForm(Workbench& wb, FormSpec spec, const PairTexts& texts, const PairDrawing& drawing);

private:
    void cmdcalcola_Click();
    void cmdesci_Click() { close(); }

    const char* prefix_;
    const char* unit_;
    Control& box1_;
    Control& box2_;
    Control& result_;
    Control& part1_;
    Control& part2_;
};

}  // namespace ondalab
