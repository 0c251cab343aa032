// Every registered form, opened in the real view: each focus stop carries
// the control's name, an accessible name that no other stop of its form
// shares and the tooltip as its description; Qt's own Tab chain stops
// where the model's does.
#include <gtest/gtest.h>

#include <set>

#include "app/forms.h"
#include "common/keyboard.h"
#include "qt/qtview.h"
#include "test_forms.h"

namespace ondalab {
namespace {

// The widgets Qt's Tab would visit in the window, starting from `first`.
std::vector<QWidget*> qtTabChain(QWidget* window, QWidget* first) {
    std::vector<QWidget*> out;
    QWidget* w = first;
    do {
        // as Qt's own Tab does: a widget that hands its focus to another is passed by
        if ((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy() && w->isVisibleTo(window) &&
            w->isEnabled() && w->window() == window)
            out.push_back(w);
        w = w->nextInFocusChain();
    } while (w != first);
    return out;
}

TEST(Accessibility, EveryStopOfEveryFormIsNamedOnceAndTabbedAsTheModelSays) {
    ScriptedPlatform platform;
    Workbench wb(platform.services(), allForms());
    QtView view(wb);
    wb.show(kMainWindow, false);
    for (const std::string& name : wb.registry().names()) {
        SCOPED_TRACE(name);
        Form* f = wb.show(name, false);
        ASSERT_NE(f, nullptr);
        testing::settle();
        const auto stops = focusStops(*f);
        std::set<QString> names;
        std::vector<QWidget*> stopWidgets;
        for (const Control* c : stops) {
            SCOPED_TRACE(c->name());
            QWidget* w = view.widget(*f, *c);
            ASSERT_NE(w, nullptr);
            stopWidgets.push_back(w);
            EXPECT_EQ(w->objectName().toStdString(), c->name());
            EXPECT_FALSE(w->accessibleName().isEmpty());
            EXPECT_TRUE(names.insert(w->accessibleName()).second) << w->accessibleName().toStdString();
            EXPECT_EQ(w->accessibleDescription().toStdString(), c->tooltip());
        }
        if (!stopWidgets.empty()) {
            EXPECT_EQ(qtTabChain(view.window(*f), stopWidgets.front()), stopWidgets);
        }
        if (name != kMainWindow) {
            wb.userClose(*f);
        }
        testing::settle();
    }
}

}  // namespace
}  // namespace ondalab
