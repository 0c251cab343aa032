// Every registered form, opened in the real view: each focus stop carries
// the control's name, an accessible name that no other stop of its form
// shares and the tooltip as its description; Qt's own Tab chain stops
// where the model's does; a stop without a cursor of its own shows a focus
// ring; and the tree assistive tools read (QAccessible) names every window,
// menu entry and control by what the user sees, never by an internal name.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QImage>
#include <QRadioButton>
#include <functional>
#include <set>

#include "app/forms.h"
#include "common/keyboard.h"
#include "qt/controlwidget.h"
#include "qt/focusring.h"
#include "qt/menurows.h"
#include "qt/palette.h"
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

// Each form's stops, one after another, and what the focus shows on them.
TEST(Accessibility, EveryButtonOptionComboAndPictureShowsAFocusRing) {
    ScriptedPlatform platform;
    Workbench wb(platform.services(), allForms());
    QtView view(wb);
    wb.show(kMainWindow, false);
    int rings = 0;
    for (const std::string& name : wb.registry().names()) {
        SCOPED_TRACE(name);
        Form* f = wb.show(name, false);
        ASSERT_NE(f, nullptr);
        testing::settle();
        qt::FormWindow* win = view.window(*f);
        for (Control* c : focusStops(*f)) {
            QWidget* w = view.widget(*f, *c);
            if (!qt::FocusRing::wants(w) || !c->usable()) continue;
            SCOPED_TRACE(c->name());
            view.focusByUser(*f, *c);
            testing::settle();
            const qt::FocusRing* ring = win->focusRing();
            ASSERT_TRUE(ring->isVisible());
            EXPECT_EQ(ring->target(), w);
            EXPECT_GE(ring->width(), 2);
            // all round the control, with the ring's width to spare
            const QRect g = ring->geometry(), inner = w->geometry();
            EXPECT_GE(inner.left() - g.left(), ring->width());
            EXPECT_GE(g.bottom() - inner.bottom(), ring->width());
            for (const QColor& ground : win->canvas().under(g))
                EXPECT_GE(qt::contrast(ring->color(), ground), qt::kInkContrast);
            ++rings;
        }
        if (name != kMainWindow) wb.userClose(*f);
        testing::settle();
    }
    EXPECT_GT(rings, 100);
}

TEST(Accessibility, TheRingIsPaintedAndFollowsTheFocus) {
    ScriptedPlatform platform;
    Workbench wb(platform.services(), testing::probeRegistry());
    QtView view(wb);
    Form* f = wb.show("FRMPROVA", false);
    testing::settle();
    qt::FormWindow* win = view.window(*f);
    view.focusByUser(*f, (*f)["cmdcalcola"]);
    testing::settle();
    const qt::FocusRing* ring = win->focusRing();
    ASSERT_TRUE(ring->isVisible());
    const QImage shot = win->grab().toImage();
    const QPoint edge = ring->geometry().topLeft() + QPoint(ring->width() / 2, ring->height() / 2);
    EXPECT_EQ(shot.pixelColor(edge * shot.devicePixelRatio()).rgb(), ring->color().rgb());
    view.focusByUser(*f, (*f)["txtinput"]);  // a text box shows its own cursor
    testing::settle();
    EXPECT_FALSE(ring->isVisible());
}

// ---- the accessible tree ----

// Every node under `root`, depth first.
void walk(QAccessibleInterface* root, const std::function<void(QAccessibleInterface*)>& visit) {
    visit(root);
    for (int i = 0; i < root->childCount(); ++i)
        if (QAccessibleInterface* child = root->child(i)) {
            // Qt's own drop-down menus name the application as their parent
            if (child->role() != QAccessible::PopupMenu) {
                EXPECT_EQ(child->parent()->object(), root->object())
                    << child->text(QAccessible::Name).toStdString();
            }
            walk(child, visit);
        }
}

TEST(Accessibility, EveryFormsTreeNamesWhatTheUserSees) {
    ScriptedPlatform platform;
    Workbench wb(platform.services(), allForms());
    QtView view(wb);
    wb.show(kMainWindow, false);
    int options = 0, pictures = 0;
    for (const std::string& name : wb.registry().names()) {
        SCOPED_TRACE(name);
        Form* f = wb.show(name, false);
        testing::settle();
        qt::FormWindow* win = view.window(*f);
        QAccessibleInterface* top = QAccessible::queryAccessibleInterface(win);
        ASSERT_NE(top, nullptr);
        EXPECT_TRUE(top->role() == QAccessible::Window || top->role() == QAccessible::Dialog);
        EXPECT_EQ(top->text(QAccessible::Name).toStdString(), f->caption());
        std::set<QObject*> seen;
        walk(top, [&](QAccessibleInterface* node) {
            seen.insert(node->object());
            const Control* c = win->controlOf(qobject_cast<QWidget*>(node->object()));
            if (!c) return;
            SCOPED_TRACE(c->name());
            const QString shown = node->text(QAccessible::Name);
            if (shown.toStdString() == c->name()) {
                EXPECT_EQ(c->seenText(), c->name());
            }
            if (c->kind() == ControlKind::Option) {
                ++options;
                EXPECT_EQ(node->role(), QAccessible::RadioButton);
                EXPECT_EQ(node->state().checked, c->checked());
                const Control* frame = f->find(c->spec().group);
                if (frame && frame->kind() == ControlKind::Frame) {
                    EXPECT_EQ(node->parent()->object(), win->widgetOf(*frame));
                    EXPECT_EQ(node->parent()->role(), QAccessible::Grouping);
                }
            }
            if (c->kind() == ControlKind::Image) {
                ++pictures;
                EXPECT_TRUE(node->actionInterface()->actionNames().contains(
                    QAccessibleActionInterface::pressAction()));
            }
        });
        for (const auto& c : f->controls()) {  // every control with a widget is in the tree once
            if (QWidget* w = win->widgetOf(*c)) {
                EXPECT_EQ(seen.count(w), 1u) << c->name();
            }
        }
        if (name != kMainWindow) wb.userClose(*f);
        testing::settle();
    }
    EXPECT_GT(options, 50);
    EXPECT_GT(pictures, 0);
}

TEST(Accessibility, TheMenuBarIsAMenuBarOfNamedEntriesThatOpenTheirMenus) {
    ScriptedPlatform platform;
    Workbench wb(platform.services(), testing::probeRegistry());
    QtView view(wb);
    Form* f = wb.show("FRMMENU", false);
    testing::settle();
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(view.window(*f)->menuRows());
    ASSERT_EQ(bar->role(), QAccessible::MenuBar);
    ASSERT_EQ(bar->childCount(), 1);
    QAccessibleInterface* file = bar->child(0);
    EXPECT_EQ(file->role(), QAccessible::MenuItem);
    EXPECT_EQ(file->text(QAccessible::Name), QStringLiteral("File"));
    EXPECT_EQ(file->parent(), bar);
    EXPECT_EQ(bar->indexOfChild(file), 0);
    QAccessibleActionInterface* act = file->actionInterface();
    ASSERT_NE(act, nullptr);
    EXPECT_EQ(act->actionNames(), QStringList{QAccessibleActionInterface::showMenuAction()});
    EXPECT_EQ(act->keyBindingsForAction(QAccessibleActionInterface::showMenuAction()), QStringList{"Alt+F"});
    act->doAction(QAccessibleActionInterface::showMenuAction());
    testing::settle();
    QAccessibleInterface* menu = file->child(0);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(file->state().expanded);
    EXPECT_EQ(menu->role(), QAccessible::PopupMenu);
    ASSERT_GE(menu->childCount(), 1);
    EXPECT_EQ(menu->child(0)->text(QAccessible::Name), QStringLiteral("Modale"));
    QAccessibleInterface* entry = menu->child(0);
    entry->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    testing::settle();
    EXPECT_NE(wb.openForm("FRMMODALE"), nullptr);
}

}  // namespace
}  // namespace ondalab
