// The order of a combo box's sorted list, whether the entries come with
// the control table or are added by the load step.
#include <gtest/gtest.h>

#include "common/scripted.h"
#include "common/workbench.h"

namespace ondalab {
namespace {

TEST(ListOrder, CaseIgnoredCharacterByCharacter) {
    const struct {
        const char *a, *b;
        bool before;
    } rows[] = {
        {"A/D = x", "AC  =  y", true},     // '/' sorts before letters
        {"AC  =  y", "ACORN TUBE", true},  // a blank before any letter
        {"n.c. = x", "NC = y", true},      // '.' before 'C', the case ignored
        {"NBFM", "n.c.", false},           // 'B' after '.'
        {"pb = x", "PEAK", true},          // 'B' before 'E' with the case ignored
        {"abc", "ABC", false},             // equal with the case ignored
        {"ABC", "abc", false},
        {"IN = a", "IN o b", true},  // '=' before 'O'
        {"AB", "ABC", true},         // a prefix first
    };
    for (const auto& r : rows) EXPECT_EQ(listsBefore(r.a, r.b), r.before) << r.a << " | " << r.b;
}

class Lists : public Form {
public:
    explicit Lists(Workbench& wb)
        : Form(wb, {.name = "lists", .rect = {0, 0, 3000, 2000}, .defaultButton = {}},
               {{.kind = ControlKind::Combo, .name = "cbotabella", .items = {"b", "a/d", "AC", "Ab"}},
                {.kind = ControlKind::Combo, .name = "cbocaricata", .text = "scritto"}}) {}
    void Form_Load() override {
        for (const char* entry : {"XTAL", "n.c.", "AC", "NC", "ac", "NBFM"})
            ctl("cbocaricata").addItem(entry);
    }
};

TEST(ListOrder, TableAndLoadStepListsAreSortedAndRebuiltOnReopening) {
    ScriptedPlatform platform;
    FormRegistry reg;
    reg.add("lists", [](Workbench& w) { return std::make_unique<Lists>(w); });
    reg.add("main", [](Workbench& w) {
        return std::make_unique<Form>(w, FormSpec{.name = "main", .defaultButton = {}},
                                      std::vector<ControlSpec>{});
    });
    Workbench wb(platform.services(), std::move(reg));
    wb.show("main", false);  // keeps the program running while the list form closes
    for (int opening = 0; opening < 2; ++opening) {
        wb.show("lists", true);
        Form& f = *wb.openForm("lists");
        EXPECT_EQ(f["cbotabella"].items(), (std::vector<std::string>{"a/d", "Ab", "AC", "b"}));
        // equal entries keep the order they were added in
        EXPECT_EQ(f["cbocaricata"].items(),
                  (std::vector<std::string>{"AC", "ac", "n.c.", "NBFM", "NC", "XTAL"}));
        EXPECT_EQ(f["cbocaricata"].text(), "scritto");
        wb.userEdit(f, f["cbocaricata"], "scritto a mano");
        EXPECT_EQ(f["cbocaricata"].items().size(), 6u);
        wb.userPick(f, f["cbocaricata"], "NBFM");
        EXPECT_EQ(f["cbocaricata"].text(), "NBFM");
        wb.userClose(f);
    }
}

}  // namespace
}  // namespace ondalab
