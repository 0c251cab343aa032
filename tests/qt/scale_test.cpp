// The view larger than the forms' own type (the desktop's type, the zoom)
// with the model's twips untouched; windows kept inside a small screen with
// their forms scrolling; the keypad's decimal key.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPicture>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "app/forms.h"
#include "qt/qtview.h"
#include "test_forms.h"

namespace ondalab {
namespace {

using testing::settle;

struct Probe {
    explicit Probe(double textScale = 1.0, int screenW = 19200, int screenH = 10800) : view(wb, textScale) {
        platform.screenW = screenW;
        platform.screenH = screenH;
        form = wb.show("FRMPROVA", false);
        settle();
        window = view.window(*form);
    }
    QWidget* widget(const char* name) const { return view.widget(*form, (*form)[name]); }

    ScriptedPlatform platform;
    Workbench wb{platform.services(), testing::probeRegistry()};
    QtView view;
    Form* form = nullptr;
    qt::FormWindow* window = nullptr;
};

TEST(Scale, TwiceTheTypeDrawsTheFormTwiceAsLargeWhereItStood) {
    Probe one(1.0), two(2.0);
    const double dpr = one.view.scale().factor();  // the screen's own scale
    EXPECT_EQ(two.window->geometry().topLeft(), one.window->geometry().topLeft());
    EXPECT_NEAR(two.window->width(), 2 * one.window->width(), 2);
    EXPECT_NEAR(two.window->height(), 2 * one.window->height(), 2);
    const QWidget* button = two.widget("cmdcalcola");
    EXPECT_NEAR(button->width(), 2 * one.widget("cmdcalcola")->width(), 1);
    EXPECT_DOUBLE_EQ(button->font().pointSizeF(), 16.0);
    // the model's twips are what they were, read back through the view's scale
    const Rect back = two.view.scale().twips(button->geometry().translated(-two.window->origin()));
    const Rect& model = (*two.form)["cmdcalcola"].rect();
    EXPECT_NEAR(back.left, model.left, 15 / dpr);
    EXPECT_NEAR(back.width, model.width, 15 / dpr);
}

TEST(Scale, CtrlPlusMinusAndZeroZoomInStepsFrom80To300) {
    Probe p;
    QSignalSpy told(&p.view, &QtView::zoomChanged);
    QWidget* edit = p.widget("txtinput");
    const int width = p.window->width();
    const auto press = [&](Qt::Key key, int times = 1) {
        for (int i = 0; i < times; ++i) QTest::keyClick(edit, key, Qt::ControlModifier);
        settle();
    };
    press(Qt::Key_Plus);
    EXPECT_EQ(p.view.zoom(), 110);
    EXPECT_NEAR(p.window->width(), width * 1.1, 2);
    press(Qt::Key_Minus, 5);
    EXPECT_EQ(p.view.zoom(), 80);
    press(Qt::Key_Plus, 12);
    EXPECT_EQ(p.view.zoom(), 300);
    press(Qt::Key_0);
    EXPECT_EQ(p.view.zoom(), 100);
    EXPECT_EQ(p.window->width(), width);
    EXPECT_EQ(told.count(), 1 + 3 + 9 + 1);
    EXPECT_EQ(qobject_cast<QLineEdit*>(edit)->text(), "");  // the keys typed nothing
}

TEST(Scale, AWindowLargerThanTheScreenFitsInsideItAndItsFormScrolls) {
    Probe p(1.0, 3000, 2400);  // 200 x 160 pixels at 96 dpi, for a form of 312 x 216
    const QRect screen = p.view.scale().screen().pixels(Rect{0, 0, 3000, 2400});
    const QRect g = p.window->geometry();
    EXPECT_TRUE(screen.contains(g)) << g.x() << "," << g.y() << " " << g.width() << "x" << g.height();
    EXPECT_GE(g.top(), p.view.scale().screen().pixels(kCaptionTwips));  // the title bar on the screen
    QScrollBar* down = p.window->scrollBar(Qt::Vertical);
    ASSERT_TRUE(down->isVisible());
    EXPECT_TRUE(p.window->scrollBar(Qt::Horizontal)->isVisible());
    // the focus on a box below the fold brings it into view
    p.view.focusByUser(*p.form, (*p.form)["txtaltro"]);
    settle();
    EXPECT_GT(down->value(), 0);
    const QRect box = p.widget("txtaltro")->geometry();
    EXPECT_GE(box.top(), p.window->topOffset());
    EXPECT_LE(box.bottom(), p.window->height() - p.window->scrollBar(Qt::Horizontal)->height());
    EXPECT_EQ(p.form->rect().width, 4800);  // the model's own size stays
}

// On the usual screen every form fits and none scrolls; at 1366 x 768 and
// 150 % the largest (the loop, sized by the screen) still fits.
TEST(Scale, NoFormScrollsOnTheUsualScreenAndTheLoopFitsOnASmallOne) {
    ScriptedPlatform platform;
    Workbench wb(platform.services(), allForms());
    QtView view(wb);
    wb.show(kMainWindow, false);
    for (const std::string& name : wb.registry().names()) {
        Form* f = wb.show(name, false);
        settle();
        for (const auto o : {Qt::Horizontal, Qt::Vertical})
            EXPECT_FALSE(view.window(*f)->scrollBar(o)->isVisible()) << name;
        if (name != kMainWindow) wb.userClose(*f);
        settle();
    }
    platform.screenW = 13660;  // 1366 x 768 at 150 %
    platform.screenH = 7680;
    Form* loop = wb.show("frmloop", false);
    settle();
    qt::FormWindow* win = view.window(*loop);
    const QRect screen = view.scale().screen().pixels(Rect{0, 0, 13660, 7680});
    EXPECT_TRUE(screen.contains(win->geometry()));
}

// At 1366 x 768 and 150 % the loop, sized by the screen, is smaller than
// its controls reach: it scrolls so that each of them can be seen whole,
// the results column and the buttons below included; a form that fits
// has no bar.
TEST(Scale, OnASmallScreenEveryControlOfTheLoopScrollsIntoView) {
    ScriptedPlatform platform;
    platform.screenW = 13660;
    platform.screenH = 7680;
    Workbench wb(platform.services(), allForms());
    QtView view(wb);
    Form* loop = wb.show("frmloop", false);
    settle();
    qt::FormWindow* win = view.window(*loop);
    const QScrollBar* across = win->scrollBar(Qt::Horizontal);
    const QScrollBar* down = win->scrollBar(Qt::Vertical);
    ASSERT_TRUE(across->isVisible());
    ASSERT_TRUE(down->isVisible());
    const QRect seen(0, win->topOffset(), win->width() - down->width(),
                     win->height() - win->topOffset() - across->height());
    int reached = 0;
    for (const auto& c : loop->controls()) {
        QWidget* w = view.widget(*loop, *c);
        if (!w || !c->visible()) continue;
        win->scrollTo(w);
        EXPECT_TRUE(seen.contains(w->geometry())) << c->name();
        ++reached;
    }
    EXPECT_GE(reached, 5 + 12 * 2);  // the buttons and the results column at least
    // Scrolled to its far corner, it still prints whole: every widget lies
    // in what goes on paper, where it stands in the unscrolled form.
    QRect area;
    const QPicture printed = win->printImage(area);
    EXPECT_GT(area.width(), win->width());
    EXPECT_GT(area.height(), win->height());
    for (const auto& c : loop->controls()) {
        QWidget* w = view.widget(*loop, *c);
        if (!w || !c->visible()) continue;
        const QPoint centre = w->geometry().center() - win->origin() + QPoint(0, win->topOffset());
        EXPECT_TRUE(printed.boundingRect().contains(centre - area.topLeft())) << c->name();
    }
    wb.userClose(*loop);
    Form* ohm = wb.show("frmleggediohm", false);
    settle();
    for (const auto o : {Qt::Horizontal, Qt::Vertical})
        EXPECT_FALSE(view.window(*ohm)->scrollBar(o)->isVisible());
}

TEST(Scale, TheKeypadDecimalKeyTypesThePointTheMainCommaKeyAComma) {
    Probe p;
    auto* edit = qobject_cast<QLineEdit*>(p.widget("txtinput"));
    p.view.focusByUser(*p.form, (*p.form)["txtinput"]);
    QTest::keyClick(edit, '1');
    QTest::keyClick(edit, Qt::Key_Comma, Qt::KeypadModifier);  // an Italian keypad
    QTest::keyClick(edit, '5');
    QTest::keyClick(edit, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClick(edit, ',');
    EXPECT_EQ((*p.form)["txtinput"].text(), "1.5.,");
}

}  // namespace
}  // namespace ondalab
