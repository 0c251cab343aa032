// The main window's menu bar at desktop fonts from 9 to 20 pt: every
// top-level entry drawn whole on a row inside the window, opened by a click,
// and reached from the keyboard by Left/Right across every row; the
// controls below keep their places and nothing is cut.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QTest>
#include <algorithm>
#include <memory>

#include "app/forms.h"
#include "qt/controlwidget.h"
#include "qt/menurows.h"
#include "qt/qtview.h"
#include "test_forms.h"

namespace ondalab {
namespace {

using testing::settle;

class MenuBarFontTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        QFont font = saved_;
        font.setPointSize(GetParam());
        QApplication::setFont(font);
        view_ = std::make_unique<QtView>(wb_);
        main_ = wb_.show(kMainWindow, false);
        settle();
        win_ = view_->window(*main_);
        bar_ = win_->menuRows();
        ASSERT_NE(bar_, nullptr);
    }
    void TearDown() override {
        while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        view_.reset();
        QApplication::setFont(saved_);
    }

    // The entries a user can move to: a disabled one is stepped over.
    std::vector<QAction*> reachable() const {
        std::vector<QAction*> out;
        for (QAction* a : bar_->actions())
            if (a->isEnabled()) out.push_back(a);
        return out;
    }
    // A key goes where the user's would: to the dropped-down menu, if any.
    static void press(Qt::Key key) {
        QWidget* to = QApplication::activePopupWidget();
        QTest::keyClick(to ? to : QApplication::focusWidget(), key);
    }
    static bool menuDown(const QAction* entry) { return entry->menu() && entry->menu()->isVisible(); }

    const QFont saved_ = QApplication::font();
    ScriptedPlatform platform_;
    Workbench wb_{platform_.services(), allForms()};
    std::unique_ptr<QtView> view_;
    Form* main_ = nullptr;
    qt::FormWindow* win_ = nullptr;
    qt::MenuRows* bar_ = nullptr;
};

TEST_P(MenuBarFontTest, EveryEntryIsDrawnWholeInsideTheWindow) {
    const int documentedRow = view_->scale().pixels(kMenuBarTwips);
    EXPECT_GE(bar_->rowHeight(), documentedRow);
    ASSERT_EQ(bar_->actions().size(), 10);
    for (QAction* entry : bar_->actions()) {
        const QRect r = bar_->entryRect(entry);
        const std::string name = entry->text().toStdString();
        ASSERT_FALSE(r.isEmpty()) << name;
        EXPECT_TRUE(bar_->rect().contains(r)) << name;
        EXPECT_TRUE(win_->rect().contains(r.translated(bar_->pos()))) << name;
        EXPECT_EQ(bar_->entryAt(r.center()), entry) << name << " is what a click there reaches";
        EXPECT_LE(r.height(), bar_->rowHeight()) << name;
    }
    // The window grows by what the desktop font adds to the bar as it stands
    // in the form's own type, and the controls sit at their places below the
    // bar, all of them inside.
    const int grown = std::max(0, bar_->height() - bar_->heightWith(qt::fontOf(Font{})));
    EXPECT_EQ(win_->height(), qt::clientGeometry(main_->rect(), view_->scale()).height() + grown);
    for (const auto& c : main_->controls()) {
        const QWidget* w = view_->widget(*main_, *c);
        if (!w) continue;
        EXPECT_EQ(w->geometry(), view_->scale().pixels(c->rect()).translated(0, bar_->height())) << c->name();
        EXPECT_TRUE(win_->rect().contains(w->geometry())) << c->name();
    }
}

TEST_P(MenuBarFontTest, AClickOnAnEntryOpensIt) {
    for (QAction* entry : reachable()) {
        const QRect r = bar_->entryRect(entry);
        QTest::mouseClick(bar_, Qt::LeftButton, {}, r.center());
        settle();
        const std::string name = entry->text().toStdString();
        if (entry->menu()) {
            ASSERT_TRUE(menuDown(entry)) << name;
            EXPECT_EQ(entry->menu()->y(), bar_->mapToGlobal(r.bottomLeft()).y() + 1)
                << name << " drops down below";
            entry->menu()->close();
        } else {  // "Leggimi" opens its window at once
            Form* opened = wb_.activeForm();
            ASSERT_NE(opened, main_) << name;
            wb_.close(*opened);
            settle();
        }
    }
}

TEST_P(MenuBarFontTest, LeftAndRightMoveAcrossEveryRow) {
    win_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(win_));
    const std::vector<QAction*> entries = reachable();
    const size_t n = entries.size();
    ASSERT_GT(bar_->rowCount(), 1) << "the entries do not fit on one row of this window";
    const auto index = [&](const QAction* a) {
        return std::find(entries.begin(), entries.end(), a) - entries.begin();
    };
    const auto moveTo = [&](size_t i) {
        for (size_t tries = 0; tries < n && bar_->current() != entries[i]; ++tries) press(Qt::Key_Right);
        ASSERT_EQ(bar_->current(), entries[i]);
    };

    QTest::keyClick(win_, Qt::Key_A, Qt::AltModifier);  // "&Antenne"
    ASSERT_NE(bar_->current(), nullptr);
    EXPECT_EQ(bar_->current()->text(), "&Antenne");
    EXPECT_TRUE(menuDown(bar_->current()));
    press(Qt::Key_Escape);  // back to the bar, the entry still highlighted
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    const size_t start = index(bar_->current());
    ASSERT_LT(start, n);
    for (size_t i = 1; i <= n; ++i) {  // all the way round and back
        press(Qt::Key_Right);
        ASSERT_EQ(bar_->current(), entries[(start + i) % n]) << "step " << i;
    }
    for (size_t i = 1; i <= n; ++i) {
        press(Qt::Key_Left);
        ASSERT_EQ(bar_->current(), entries[(start + n - i) % n]) << "step back " << i;
    }

    // With a menu down: from the first row's last entry to the second row
    // and back. Right first opens a submenu where the highlight stands on one.
    size_t last = 0;
    while (last + 1 < n && bar_->entryRect(entries[last + 1]).top() < bar_->rowHeight()) ++last;
    moveTo(last);
    press(Qt::Key_Down);
    EXPECT_TRUE(menuDown(entries[last]));
    for (int tries = 0; tries < 3 && bar_->current() == entries[last]; ++tries) press(Qt::Key_Right);
    ASSERT_EQ(bar_->current(), entries[last + 1]);
    EXPECT_GE(bar_->entryRect(entries[last + 1]).top(), bar_->rowHeight()) << "on the second row";
    if (entries[last + 1]->menu()) {
        EXPECT_TRUE(menuDown(entries[last + 1]));
    }
    press(Qt::Key_Left);
    ASSERT_EQ(bar_->current(), entries[last]);
    EXPECT_TRUE(menuDown(entries[last]));

    // Return on an entry without a menu opens its form.
    press(Qt::Key_Escape);
    moveTo(n - 1);
    press(Qt::Key_Return);
    settle();
    EXPECT_EQ(bar_->current(), nullptr);
    ASSERT_NE(wb_.openForm("frmabaut"), nullptr) << "\"Leggimi\" opened from the keyboard";
}

// "&Volt" and "&Varie" share their access key: pressing it again, with Alt
// or on the bar, moves on to the other, menu down, and round; Alt alone
// closes the menus.
TEST_P(MenuBarFontTest, AnAccessKeyTwoEntriesShareMovesFromOneToTheOther) {
    win_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(win_));
    const auto expectDown = [this](const QString& entry) {
        ASSERT_NE(bar_->current(), nullptr);
        EXPECT_EQ(bar_->current()->text(), entry);
        EXPECT_TRUE(menuDown(bar_->current())) << entry.toStdString();
        EXPECT_EQ(QApplication::activePopupWidget(), bar_->current()->menu()) << "one menu down";
    };
    for (const char* entry : {"&Volt", "&Varie", "&Volt"}) {
        QWidget* popup = QApplication::activePopupWidget();
        QTest::keyClick(popup ? popup : win_, Qt::Key_V, Qt::AltModifier);
        expectDown(entry);
    }
    for (const char* entry : {"&Varie", "&Volt"}) {
        press(Qt::Key_Escape);  // back to the bar, the entry highlighted
        press(Qt::Key_V);
        expectDown(entry);
    }
    press(Qt::Key_Alt);  // alone: the menus close
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(bar_->current(), nullptr);
}

// The bar is laid out once it has its width, not once per entry added, and
// again only when an entry changes its size.
TEST(MenuRowsLayout, LaidOutOnceAndAgainOnlyOnARealChange) {
    QWidget window;
    qt::MenuRows bar(20, &window);
    int layouts = 0;
    QObject::connect(&bar, &qt::MenuRows::rowsChanged, [&layouts] { ++layouts; });
    std::vector<QAction*> entries;
    for (const char* text : {"&Uno", "&Due", "&Tre", "&Quattro"}) entries.push_back(bar.addAction(text));
    EXPECT_EQ(layouts, 0);
    bar.setRowWidth(400);
    EXPECT_EQ(layouts, 1);
    const QRect uno = bar.entryRect(entries[0]), due = bar.entryRect(entries[1]);
    EXPECT_FALSE(due.isEmpty());

    entries[1]->setEnabled(false);  // drawn again, same size
    EXPECT_EQ(layouts, 1);
    EXPECT_EQ(bar.entryRect(entries[1]), due);

    entries[1]->setText("&Due e mezzo");
    EXPECT_EQ(layouts, 2);
    EXPECT_GT(bar.entryRect(entries[1]).width(), due.width());
    EXPECT_GT(bar.entryRect(entries[2]).left(), due.right());

    entries[0]->setVisible(false);
    EXPECT_EQ(layouts, 3);
    EXPECT_TRUE(bar.entryRect(entries[0]).isEmpty());
    EXPECT_EQ(bar.entryRect(entries[1]).left(), uno.left());  // the next one moves up into its place
}

INSTANTIATE_TEST_SUITE_P(DesktopFonts, MenuBarFontTest, ::testing::Values(9, 10, 12, 14, 20),
                         [](const auto& info) { return std::to_string(info.param) + "pt"; });

}  // namespace
}  // namespace ondalab
