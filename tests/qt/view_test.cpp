// The Qt view on the offscreen platform: widgets where the model puts its
// controls, user input reaching the model once, and model changes shown.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include "app/forms.h"
#include "qt/controlwidget.h"
#include "qt/palette.h"
#include "qt/qtview.h"
#include "test_forms.h"

namespace ondalab {
namespace {

using testing::ProbeForm;
using testing::settle;

class ViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (view.scale().factor() != 1.0) GTEST_SKIP() << "expected pixels are worked out at 96 dpi";
    }

    ProbeForm& openProbe() {
        auto& f = static_cast<ProbeForm&>(*wb.show("FRMPROVA", false));
        settle();
        return f;
    }
    template <class W>
    W* widgetOf(Form& f, const char* name) {
        return qobject_cast<W*>(view.widget(f, f[name]));
    }
    bool activate(Form& f) {
        QWidget* w = view.window(f);
        w->activateWindow();
        return QTest::qWaitForWindowActive(w);
    }

    ScriptedPlatform platform;
    Workbench wb{platform.services(), testing::probeRegistry()};
    QtView view{wb};
};

TEST_F(ViewTest, ControlsSitWhereTheModelPutsThem) {
    ProbeForm& f = openProbe();
    const struct {
        const char* control;
        QRect pixels;
    } rows[] = {
        {"lblrisultato", {8, 8, 100, 20}}, {"txtinput", {8, 40, 100, 20}},
        {"cmdcalcola", {120, 40, 80, 25}}, {"Option1(0)", {8, 80, 100, 20}},
        {"Option1(1)", {8, 100, 100, 20}}, {"txtaltro", {8, 133, 100, 20}},
    };
    for (const auto& row : rows) {
        QWidget* w = view.widget(f, f[row.control]);
        ASSERT_NE(w, nullptr) << row.control;
        EXPECT_EQ(w->geometry(), row.pixels) << row.control;
    }
}

TEST_F(ViewTest, WindowIsTheClientAreaInsideTheChrome) {
    ProbeForm& f = openProbe();
    QWidget* w = view.window(f);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->geometry(), QRect(104, 120, 312, 216));
    EXPECT_EQ(w->windowTitle(), "Prova");
    EXPECT_EQ(w->minimumSize(), w->maximumSize());  // a fixed frame cannot be resized

    f.move(3000, 0);
    f.setCaption("Nuovo");
    EXPECT_EQ(w->geometry().topLeft(), QPoint(204, 20));
    EXPECT_EQ(w->windowTitle(), "Nuovo");
}

TEST_F(ViewTest, PaintedControlsAreDrawnNotWidgets) {
    ProbeForm& f = openProbe();
    for (const char* name : {"linea", "pieno", "nascosto"})
        EXPECT_EQ(view.widget(f, f[name]), nullptr) << name;

    const QImage img = view.window(f)->grab().toImage();
    EXPECT_EQ(img.pixelColor(220, 120), QColor(Qt::red)) << "inside the filled shape";
    EXPECT_EQ(img.pixelColor(200, 120), QColor(Qt::black)) << "the shape's border";
    EXPECT_EQ(img.pixelColor(240, 10), QColor(Qt::black)) << "on the line";
    const QColor face =
        view.window(f)->palette().color(QPalette::Window);  // the usual face follows the desktop
    EXPECT_EQ(img.pixelColor(270, 120), face) << "the hidden shape is not drawn";

    f["nascosto"].setVisible(true);
    const QImage shown = view.window(f)->grab().toImage();
    EXPECT_EQ(shown.pixelColor(270, 120), QColor(Qt::blue));
}

TEST_F(ViewTest, TypingRunsChangeOncePerCharacter) {
    ProbeForm& f = openProbe();
    auto* edit = widgetOf<QLineEdit>(f, "txtinput");
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, "12,5");
    EXPECT_EQ(f.changes, 4);
    EXPECT_EQ(f["txtinput"].text(), "12,5");
    EXPECT_EQ(widgetOf<QLabel>(f, "lblrisultato")->text(), "12,5!");
    EXPECT_EQ(f.focused(), &f["txtinput"]);  // typing into a box gives it the focus in the model too
}

TEST_F(ViewTest, ClickingTheButtonRunsItsHandler) {
    ProbeForm& f = openProbe();
    QTest::mouseClick(widgetOf<QPushButton>(f, "cmdcalcola"), Qt::LeftButton);
    EXPECT_EQ(f.clicks, 1);
    EXPECT_EQ(widgetOf<QLabel>(f, "lblrisultato")->text(), "calcolato");
    EXPECT_EQ(view.window(f)->focusWidget(), view.widget(f, f["cmdcalcola"]));  // the model moved the focus
}

TEST_F(ViewTest, ModelChangesShowInTheWidgets) {
    ProbeForm& f = openProbe();
    f["lblrisultato"].setText("A&&B");
    EXPECT_EQ(widgetOf<QLabel>(f, "lblrisultato")->text(), "A&B");
    f["txtaltro"].setText("7");
    EXPECT_EQ(widgetOf<QLineEdit>(f, "txtaltro")->text(), "7");
    f["cmdcalcola"].setEnabled(false);
    EXPECT_FALSE(view.widget(f, f["cmdcalcola"])->isEnabled());
    f["cmdcalcola"].setVisible(false);
    EXPECT_FALSE(view.widget(f, f["cmdcalcola"])->isVisible());
    f["txtinput"].setRect({240, 600, 750, 300});
    EXPECT_EQ(view.widget(f, f["txtinput"])->geometry(), QRect(16, 40, 50, 20));
    f["txtaltro"].setTooltip("altro");
    EXPECT_EQ(view.widget(f, f["txtaltro"])->toolTip(), "altro");
}

TEST_F(ViewTest, ColoursFontsAndTooltipsComeFromTheModel) {
    ProbeForm& f = openProbe();
    QWidget* altro = view.widget(f, f["txtaltro"]);
    EXPECT_EQ(altro->palette().color(QPalette::Text), QColor(Qt::blue));
    EXPECT_EQ(altro->font().family(), "Liberation Sans");
    EXPECT_EQ(altro->font().pointSize(), 8);
    EXPECT_EQ(view.widget(f, f["lblrisultato"])->toolTip(), "risultato");
    // Pure red on the light face reads at about 3.5 to 1: it is painted a
    // darker red, no darker than it takes to reach 4.5 to 1.
    f["lblrisultato"].setFore(colors::red);
    EXPECT_EQ(f["lblrisultato"].fore(), colors::red);
    const QColor face = view.window(f)->palette().color(QPalette::Window);
    ASSERT_LT(qt::contrast(Qt::red, face), 4.5);
    const QColor red = view.widget(f, f["lblrisultato"])->palette().color(QPalette::WindowText);
    EXPECT_EQ(red.hslHue(), 0);
    EXPECT_GE(qt::contrast(red, face), 4.5);
    EXPECT_LT(qt::contrast(QColor::fromHslF(0, 1, red.lightnessF() + 2.0 / 256), face), 4.5);
}

TEST_F(ViewTest, ClickingAnOptionChoosesItOnceAndKeepsItChosen) {
    ProbeForm& f = openProbe();
    auto* first = widgetOf<QRadioButton>(f, "Option1(0)");
    auto* second = widgetOf<QRadioButton>(f, "Option1(1)");
    QTest::mouseClick(second, Qt::LeftButton);
    EXPECT_EQ(f.optionClicks, std::vector<int>{1});
    EXPECT_TRUE(second->isChecked());
    EXPECT_FALSE(first->isChecked());
    // Qt would toggle a checked button off; the model keeps it chosen.
    QTest::mouseClick(second, Qt::LeftButton);
    EXPECT_TRUE(second->isChecked());
    EXPECT_TRUE(f["Option1(1)"].checked());
    QTest::mouseClick(first, Qt::LeftButton);
    EXPECT_EQ(f.optionClicks, (std::vector<int>{1, 0}));
    EXPECT_TRUE(first->isChecked());
    EXPECT_FALSE(second->isChecked());
}

TEST_F(ViewTest, AnOptionAnswersAClickAnywhereInItsRectangle) {
    ProbeForm& f = openProbe();
    auto* second = widgetOf<QRadioButton>(f, "Option1(1)");
    // far to the right of the short caption "Parallelo", still inside the rectangle
    QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(second->width() - 3, second->height() / 2));
    EXPECT_TRUE(f["Option1(1)"].checked());
}

TEST_F(ViewTest, ModalFormBlocksTheFormBeneath) {
    ProbeForm& f = openProbe();
    Form& modal = *wb.show("FRMMODALE", true);
    settle();
    EXPECT_EQ(view.window(modal)->windowModality(), Qt::ApplicationModal);

    QTest::mouseClick(widgetOf<QPushButton>(f, "cmdcalcola"), Qt::LeftButton);
    EXPECT_EQ(f.clicks, 0);
    auto* edit = widgetOf<QLineEdit>(f, "txtinput");
    QTest::keyClicks(edit, "9");
    EXPECT_EQ(f.changes, 0);
    EXPECT_EQ(edit->text(), "") << "the refused edit is undone in the widget";

    view.window(modal)->close();
    settle();
    EXPECT_EQ(wb.openForm("FRMMODALE"), nullptr);
    QTest::mouseClick(widgetOf<QPushButton>(f, "cmdcalcola"), Qt::LeftButton);
    EXPECT_EQ(f.clicks, 1);
}

TEST_F(ViewTest, CloseBoxClosesTheModelFormAndItsWindow) {
    ProbeForm& f = openProbe();
    wb.show("FRMMODALE", false);  // keeps the program running
    QPointer<QWidget> w = view.window(f);
    w->close();
    EXPECT_EQ(wb.openForm("FRMPROVA"), nullptr);
    settle();
    EXPECT_TRUE(w.isNull());
}

TEST_F(ViewTest, TabOrderFollowsTheControlTable) {
    ProbeForm& f = openProbe();
    ASSERT_TRUE(activate(f));
    EXPECT_EQ(QApplication::focusWidget(), view.widget(f, f["txtinput"])) << "first focus";
    // The option group is one stop, entered at its first button when none is chosen.
    const char* order[] = {"cmdcalcola", "Option1(0)", "txtaltro", "cbolista", "txtinput"};
    for (const char* name : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), view.widget(f, f[name])) << name;
        EXPECT_EQ(f.focused(), &f[name]) << "the model hears the move to " << name;
    }
    // An option that takes the focus is chosen: it ran its Click once.
    EXPECT_EQ(f.optionClicks, (std::vector<int>{0}));
}

TEST_F(ViewTest, ModelFocusMovesTheWidgetFocus) {
    ProbeForm& f = openProbe();
    ASSERT_TRUE(activate(f));
    f.setFocus(f["txtaltro"]);
    EXPECT_EQ(QApplication::focusWidget(), view.widget(f, f["txtaltro"]));
    EXPECT_EQ(f.focused(), &f["txtaltro"]);
}

// Qt moves the focus off a control that is hidden; that is the view's doing,
// not the user's, and must not choose the option it lands on.
TEST_F(ViewTest, FocusMovesCausedByTheModelStayOutOfTheModel) {
    ProbeForm& f = openProbe();
    ASSERT_TRUE(activate(f));
    f.setFocus(f["cmdcalcola"]);
    ASSERT_EQ(QApplication::focusWidget(), view.widget(f, f["cmdcalcola"]));
    f["cmdcalcola"].setVisible(false);
    EXPECT_TRUE(f.optionClicks.empty());
    EXPECT_FALSE(f["Option1(0)"].checked());
    EXPECT_EQ(f.focused(), &f["cmdcalcola"]);
}

TEST_F(ViewTest, AccessKeyShowsAsMnemonicAndPressesTheButton) {
    ProbeForm& f = openProbe();
    auto* button = widgetOf<QPushButton>(f, "cmdcalcola");
    EXPECT_EQ(button->text(), "&CALCOLA");
    EXPECT_EQ(qt::shownText(button), "CALCOLA");
    ASSERT_TRUE(activate(f));
    QTest::keyClick(view.window(f), Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.clicks == 1; }, 2000));  // the button animates its press
    QTest::qWait(50);
    EXPECT_EQ(f.clicks, 1);
}

TEST_F(ViewTest, ComboShowsTheSortedListAndReportsPicks) {
    ProbeForm& f = openProbe();
    auto* combo = widgetOf<QComboBox>(f, "cbolista");
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(0), "a");
    EXPECT_EQ(combo->itemText(2), "c");
    EXPECT_EQ(combo->currentText(), "");

    QTest::keyClick(combo, Qt::Key_Down);  // the next entry, as chosen from the keyboard
    const std::string picked = combo->currentText().toStdString();
    EXPECT_NE(picked, "");
    EXPECT_EQ(f["cbolista"].text(), picked);
    EXPECT_EQ(f.focused(), &f["cbolista"]);

    QTest::keyClicks(combo->lineEdit(), "x");
    EXPECT_EQ(f["cbolista"].text(), picked + "x");
    f["cbolista"].setText("zz");
    EXPECT_EQ(combo->currentText(), "zz");
}

class MenuViewTest : public ViewTest {};

TEST_F(MenuViewTest, MenuBarComesFromTheFormsMenu) {
    Form& f = *wb.show("FRMMENU", false);
    settle();
    QAction* modal = view.menuAction("mnumodale");
    ASSERT_NE(modal, nullptr);
    EXPECT_EQ(modal->text(), "&Modale");
    EXPECT_TRUE(modal->isEnabled());
    ASSERT_NE(view.menuAction("mnuassente"), nullptr);
    EXPECT_FALSE(view.menuAction("mnuassente")->isEnabled()) << "its form does not exist";
    EXPECT_EQ(view.menuAction("mnusep"), nullptr) << "a separator is no entry";
    // Controls sit below the menu bar; the window is sizable.
    EXPECT_EQ(view.widget(f, f["cmdx"])->geometry(), QRect(8, 28, 80, 25));
    EXPECT_NE(view.window(f)->minimumSize(), view.window(f)->maximumSize());

    modal->trigger();
    settle();
    ASSERT_NE(wb.openForm("FRMMODALE"), nullptr);
    EXPECT_TRUE(wb.isModal(*wb.openForm("FRMMODALE")));
    EXPECT_TRUE(view.window(*wb.openForm("FRMMODALE"))->isVisible());
}

TEST_F(MenuViewTest, EndingTheProgramClosesEveryWindow) {
    Form& f = *wb.show("FRMMENU", false);
    QPointer<QWidget> w = view.window(f);
    wb.endProgram();
    EXPECT_TRUE(wb.ended());
    settle();
    EXPECT_TRUE(w.isNull());
}

// A keystroke whose computation faults keeps the results of the input
// before: they are greyed, yet legible, and say so, with their texts as they
// were, until a keystroke computes again.
TEST(StaleResults, KeptResultsAreGreyedWithTheirTooltipUntilTheNextComputation) {
    ScriptedPlatform platform;
    Workbench wb(platform.services(), allForms());
    QtView view(wb);
    Form& f = *wb.show("frmdipoli", false);
    settle();
    auto* edit = qobject_cast<QLineEdit*>(view.widget(f, f["txtfrequenza"]));
    QWidget* arm = view.widget(f, f["lbllunghezza"]);
    QWidget* arms = view.widget(f, f["lblbraccio"]);
    const QColor face = view.window(f)->palette().color(QPalette::Window);
    const auto ink = [](QWidget* w) { return w->palette().color(QPalette::WindowText); };
    QTest::keyClicks(edit, "1e3");
    const QColor fresh = ink(arm);
    const Rgb documented = f["lbllunghezza"].fore();
    EXPECT_EQ(f["lbllunghezza"].text(), "0,07");  // 71 / 1000, 0.071 in single precision
    EXPECT_EQ(arm->toolTip(), "semidipolo 1/4 lambda");

    QTest::keyClicks(edit, "9");  // 1e39 is beyond the single-precision range
    EXPECT_EQ(platform.boxes.size(), 0u);
    EXPECT_EQ(qobject_cast<QLabel*>(arm)->text(), "0,07");
    EXPECT_EQ(f["lblbraccio"].text(), "LUNGHEZZA DEL BRACCIO in mt.: 0,07");
    EXPECT_EQ(arm->toolTip(), "semidipolo 1/4 lambda\nrisultato del dato precedente");
    EXPECT_EQ(arms->toolTip(), "risultato del dato precedente");
    EXPECT_NE(ink(arm), fresh);
    EXPECT_LT(qt::contrast(ink(arm), face), qt::contrast(fresh, face));
    EXPECT_GE(qt::contrast(ink(arm), face), qt::kInkContrast);
    EXPECT_EQ(f["lbllunghezza"].fore(), documented);  // the model's colour stays

    QTest::keyClick(edit, Qt::Key_Backspace);  // 1e3 again: computed, current
    EXPECT_EQ(ink(arm), fresh);
    EXPECT_EQ(arm->toolTip(), "semidipolo 1/4 lambda");
    EXPECT_EQ(arms->toolTip(), "");
    EXPECT_FALSE(f["lbllunghezza"].stale());
}

}  // namespace
}  // namespace ondalab
