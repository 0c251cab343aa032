// The keyboard rules the model keeps for every form: a table of keys
// pressed one after another, each with the focus and the choice it leaves.
#include <gtest/gtest.h>

#include "common/keyboard.h"
#include "common/scripted.h"
#include "common/workbench.h"

namespace ondalab {
namespace {

using K = ControlKind;

class Keys : public Form {
public:
    explicit Keys(Workbench& wb)
        : Form(wb, {.name = "keys", .caption = "TASTI", .rect = {0, 0, 6000, 4000}},
               {
                   {.kind = K::Button, .name = "cmdvai", .rect = {100, 2000, 900, 400}, .text = "&Vai"},
                   {.kind = K::Label, .name = "lblf", .rect = {100, 100, 1000, 300}, .text = "&Frequenza"},
                   {.kind = K::TextBox, .name = "txtf", .rect = {1200, 80, 900, 360}, .text = "7"},
                   {.kind = K::Option, .name = "Option1(0)", .rect = {100, 600, 900, 300}, .text = "&Uno"},
                   {.kind = K::Option, .name = "Option1(1)", .rect = {1100, 600, 900, 300}, .text = "Due"},
                   {.kind = K::Option, .name = "Option1(2)", .rect = {2100, 600, 900, 300}, .text = "Tre"},
                   {.kind = K::Image, .name = "Image1", .rect = {100, 1000, 900, 900}, .clickable = true},
                   {.kind = K::Button,
                    .name = "cmdcalcola",
                    .rect = {1100, 2000, 900, 400},
                    .text = "&CALCOLA"},
               }) {
        onClick(ctl("cmdvai"), &Keys::count<0>);
        onClick(ctl("Image1"), &Keys::count<1>);
        onClick(ctl("cmdcalcola"), &Keys::count<2>);
    }
    int clicks[3] = {0, 0, 0};

private:
    template <int I>
    void count() {
        ++clicks[I];
    }
};

struct Step {
    const char* key;
    const char* focus;        // afterwards
    const char* chosen;       // the checked option, "" for none
    int vai, image, calcola;  // clicks so far
};

TEST(Keyboard, KeysMoveTheFocusChooseAndPress) {
    ScriptedPlatform platform;
    FormRegistry reg;
    reg.add("keys", [](Workbench& w) { return std::make_unique<Keys>(w); });
    Workbench wb(platform.services(), std::move(reg));
    Keys& f = static_cast<Keys&>(*wb.show("keys", true));
    const Step steps[] = {
        {"Tab", "txtf", "", 0, 0, 0},                  // opened on cmdvai
        {"Tab", "Option1(0)", "Option1(0)", 0, 0, 0},  // a group with none chosen: its first, chosen
        {"Right", "Option1(1)", "Option1(1)", 0, 0, 0},
        {"Tab", "Image1", "Option1(1)", 0, 0, 0},
        {"Shift+Tab", "Option1(1)", "Option1(1)", 0, 0, 0},  // back at the chosen button
        {"Left", "Option1(0)", "Option1(0)", 0, 0, 0},
        {"Up", "Option1(2)", "Option1(2)", 0, 0, 0},  // wrapping
        {"Down", "Option1(0)", "Option1(0)", 0, 0, 0},
        {"Return", "Option1(0)", "Option1(0)", 0, 0, 1},  // away from a button: CALCOLA
        {"Tab", "Image1", "Option1(0)", 0, 0, 1},
        {"Space", "Image1", "Option1(0)", 0, 1, 1},
        {"Return", "Image1", "Option1(0)", 0, 2, 1},
        {"Up", "Image1", "Option1(0)", 0, 2, 1},  // arrows do nothing away from a group
        {"Tab", "cmdcalcola", "Option1(0)", 0, 2, 1},
        {"Tab", "cmdvai", "Option1(0)", 0, 2, 1},  // wrapping
        {"Space", "cmdvai", "Option1(0)", 1, 2, 1},
        {"Return", "cmdvai", "Option1(0)", 2, 2, 1},
        {"Alt+C", "cmdcalcola", "Option1(0)", 2, 2, 2},  // access keys: a button is clicked,
        {"alt+f", "txtf", "Option1(0)", 2, 2, 2},        // a label sends the focus on,
        {"Alt+U", "Option1(0)", "Option1(0)", 2, 2, 2},  // an option is chosen
        {"Escape", "", "", 2, 2, 2},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.key);
        wb.userKey(f, s.key);
        if (!*s.focus) {
            EXPECT_EQ(wb.openForm("keys"), nullptr);
            break;
        }
        EXPECT_EQ(f.focused()->name(), s.focus);
        const auto group = optionGroup(f, f["Option1(0)"]);
        const auto chosen =
            std::find_if(group.begin(), group.end(), [](const Control* o) { return o->checked(); });
        EXPECT_EQ(chosen == group.end() ? "" : (*chosen)->name(), s.chosen);
        EXPECT_EQ(f.clicks[0], s.vai);
        EXPECT_EQ(f.clicks[1], s.image);
        EXPECT_EQ(f.clicks[2], s.calcola);
    }
}

TEST(Keyboard, CtrlCCopiesTheSelectionOrTheReadout) {
    ScriptedPlatform platform;
    FormRegistry reg;
    reg.add("keys", [](Workbench& w) { return std::make_unique<Keys>(w); });
    Workbench wb(platform.services(), std::move(reg));
    Keys& f = static_cast<Keys&>(*wb.show("keys", true));
    EXPECT_TRUE(wb.userKey(f, "Ctrl+C", "7"));  // no text box focused: the selection is no matter
    EXPECT_EQ(platform.text(), "TASTI\nFrequenza\t7");
    wb.userFocus(f, f["txtf"]);
    EXPECT_TRUE(wb.userKey(f, "Ctrl+C", "7"));
    EXPECT_EQ(platform.text(), "7");
    // keys that are the text box's own go back to the view
    EXPECT_FALSE(wb.userKey(f, "Space"));
    EXPECT_FALSE(wb.userKey(f, "Left"));
    EXPECT_FALSE(wb.userKey(f, "A"));
    EXPECT_FALSE(wb.userKey(f, "Alt+Z"));
    EXPECT_EQ(accessibleName(f, f["txtf"]), "Frequenza");
    EXPECT_EQ(accessibleName(f, f["cmdcalcola"]), "CALCOLA");
}

}  // namespace
}  // namespace ondalab
