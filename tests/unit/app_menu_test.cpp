// Every form name is written once: the registry opens a form of the name it
// is asked for, and every leaf of the main menu opens a registered form or
// is one of the entries still to be built (disabled until its form lands).
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/forms.h"
#include "app/main_window.h"
#include "common/scripted.h"

namespace ondalab {
namespace {

// Menu entries whose forms are not built yet; remove a name as its form lands.
const std::set<std::string> kStillToBuild = {};

void leaves(const std::vector<MenuItem>& items, std::vector<const MenuItem*>& out) {
    for (const auto& item : items) {
        if (item.children.empty()) out.push_back(&item);
        leaves(item.children, out);
    }
}

TEST(FormNames, EveryRegisteredNameOpensAFormOfThatName) {
    ScriptedPlatform platform;
    Workbench wb(platform.services(), allForms());
    for (const auto& name : wb.registry().names()) {
        Form* f = wb.show(name, false);
        ASSERT_NE(f, nullptr) << name;
        EXPECT_EQ(f->name(), name);
        EXPECT_EQ(wb.internalErrors(), 0) << name << ": " << wb.lastInternalError();
    }
}

// Return in any text box presses what the form's compute button runs; a
// form that declares no default button has none reading "CALCOLA". The
// fault focus is a text box the focus can rest in.
TEST(FormNames, ReturnInEveryTextBoxPressesTheComputeButton) {
    ScriptedPlatform platform;
    Workbench wb(platform.services(), allForms());
    wb.show(kMainWindow, false);  // keeps the program running between forms
    for (const auto& name : wb.registry().names()) {
        if (name == kMainWindow) continue;
        Form& f = *wb.show(name, false);
        if (const Control* focus = f.faultFocus()) {
            EXPECT_EQ(focus->kind(), ControlKind::TextBox) << name;
            EXPECT_TRUE(focus->focusable()) << name;
        }
        Control* button = f.defaultButton();
        if (!button) {
            for (const auto& c : f.controls()) {
                if (c->kind() != ControlKind::Button) continue;
                EXPECT_EQ(c->seenText().find("CALCOLA"), std::string::npos) << name << "." << c->name();
            }
            wb.close(f);
            continue;
        }
        int runs = 0;
        button->onClick = [&runs] { ++runs; };
        button->setVisible(true);
        button->setEnabled(true);
        for (const auto& c : f.controls()) {
            if (c->kind() != ControlKind::TextBox) continue;
            c->setVisible(true);
            c->setEnabled(true);
            wb.userFocus(f, *c);
            const int before = runs;
            wb.userKey(f, "Return");
            EXPECT_EQ(runs, before + 1) << name << "." << c->name();
        }
        wb.close(f);
    }
}

TEST(FormNames, EveryMenuLeafNamesARegisteredFormOrOneStillToBuild) {
    const FormRegistry registry = allForms();
    std::vector<const MenuItem*> all;
    const std::vector<MenuItem> menu = mainMenu();
    leaves(menu, all);
    for (const MenuItem* leaf : all) {
        ASSERT_FALSE(leaf->form.empty()) << leaf->name;
        const bool registered = registry.has(leaf->form);
        EXPECT_NE(registered, kStillToBuild.count(leaf->form) == 1)
            << leaf->name << " -> " << leaf->form
            << (registered ? " is built: drop it from kStillToBuild" : " is unknown");
    }
}

}  // namespace
}  // namespace ondalab
