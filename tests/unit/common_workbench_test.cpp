// The rules the form model enforces once for every form.
#include <gtest/gtest.h>

#include <limits>

#include "common/fault.h"
#include "common/scripted.h"
#include "common/workbench.h"

namespace ondalab {
namespace {

using K = ControlKind;

// A small form: two options, an input whose Change mirrors it into a
// label, a button that divides 1 by the input, and a timer.
class Probe : public Form {
public:
    explicit Probe(Workbench& wb)
        : Form(wb, {.name = "probe", .caption = "PROBE", .rect = {0, 0, 3000, 2000}, .faultFocus = "txtin"},
               {
                   {.kind = K::Label, .name = "lblnote", .text = "nota"},
                   {.kind = K::Option, .name = "Option1(0)", .text = "uno", .group = "Frame1"},
                   {.kind = K::Option, .name = "Option1(1)", .text = "due", .group = "Frame1"},
                   {.kind = K::TextBox, .name = "txtin"},
                   {.kind = K::Label, .name = "lblecho"},
                   {.kind = K::TextBox, .name = "txtlink"},
                   {.kind = K::Label, .name = "lblout", .text = "vuoto"},
                   {.kind = K::Button, .name = "cmdcalcola", .text = "&CALCOLA"},
                   {.kind = K::Timer, .name = "Timer1", .interval = 500},
               }) {
        onClick("Option1", &Probe::Option1_Click);
        onChange(txtin_, &Probe::txtin_Change);
        onChange(txtlink_, &Probe::txtlink_Change);
        onClick(ctl("cmdcalcola"), &Probe::cmdcalcola_Click);
        onTimer(ctl("Timer1"), &Probe::Timer1_Timer);
    }
    int clicks[2] = {0, 0};
    int changes = 0;
    int ticks = 0;

private:
    void Option1_Click(int i) { ++clicks[i]; }
    void txtin_Change() {
        ++changes;
        lblecho_.setText(general(checkedDiv(1, num(txtin_))));  // quiet fault on a keystroke
    }
    // Writes a label, then a text whose own Change faults.
    void txtlink_Change() {
        lblout_.setText("collegato");
        txtin_.setText("0");
    }
    void cmdcalcola_Click() {
        lblecho_.setText("scritto prima del guasto");
        lblout_.setText(general(checkedDiv(1, num(txtin_))));
    }
    void Timer1_Timer() { ++ticks; }

protected:
    Control& txtin_ = ctl("txtin");
    Control& txtlink_ = ctl("txtlink");
    Control& lblecho_ = ctl("lblecho");
    Control& lblout_ = ctl("lblout");
};

class Other : public Form {
public:
    explicit Other(Workbench& wb)
        : Form(wb, {.name = "other", .caption = "OTHER", .rect = {0, 0, 2000, 1000}, .defaultButton = {}},
               {{.kind = K::Button, .name = "cmdesci", .text = "E S C I"}}) {}
};

struct Bench : ::testing::Test {
    ScriptedPlatform platform;
    std::unique_ptr<Workbench> wb;
    void SetUp() override {
        FormRegistry reg;
        reg.add("probe", [](Workbench& w) { return std::make_unique<Probe>(w); });
        reg.add("other", [](Workbench& w) { return std::make_unique<Other>(w); });
        wb = std::make_unique<Workbench>(platform.services(), std::move(reg));
    }
    Probe& probe(bool modal = true) { return static_cast<Probe&>(*wb->show("probe", modal)); }
};

TEST_F(Bench, OpeningCentresAndGivesTheFirstOptionTheFocusAndTheChoice) {
    Probe& p = probe();
    EXPECT_EQ(p.rect().left, (19200 - 3000) / 2);
    EXPECT_EQ(p.rect().top, (10800 - 2000) / 2);
    EXPECT_EQ(p.focused(), &p["Option1(0)"]);
    EXPECT_TRUE(p["Option1(0)"].checked());
    EXPECT_EQ(p.clicks[0], 1);
}

TEST_F(Bench, ChoosingAnOptionClearsItsGroupAndFocusingAChosenOneRunsNothing) {
    Probe& p = probe();
    wb->userFocus(p, p["Option1(1)"]);
    EXPECT_TRUE(p["Option1(1)"].checked());
    EXPECT_FALSE(p["Option1(0)"].checked());
    EXPECT_EQ(p.clicks[1], 1);
    wb->userClick(p, p["Option1(1)"]);
    EXPECT_EQ(p.clicks[1], 1);
}

TEST_F(Bench, ChangeFiresOnlyForADifferentText) {
    Probe& p = probe();
    wb->userEdit(p, p["txtin"], "4");
    wb->userEdit(p, p["txtin"], "4");
    EXPECT_EQ(p.changes, 1);
    EXPECT_EQ(p["lblecho"].text(), "0,25");
    p["txtin"].setText("2");  // a handler's write fires Change too
    EXPECT_EQ(p.changes, 2);
    EXPECT_EQ(p["lblecho"].text(), "0,5");
}

TEST_F(Bench, AFaultOnAKeystrokeIsQuietAndKeepsTheTypedText) {
    Probe& p = probe();
    wb->userEdit(p, p["txtin"], "4");
    wb->userEdit(p, p["txtin"], "0");
    EXPECT_EQ(p["txtin"].text(), "0");
    EXPECT_EQ(p["lblecho"].text(), "0,25");
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(Bench, AFaultInANestedChangeUndoesOnlyThatChange) {
    Probe& p = probe();
    wb->userEdit(p, p["txtin"], "4");
    wb->userEdit(p, p["txtlink"], "x");
    EXPECT_EQ(p["lblout"].text(), "collegato");  // the outer Change went on
    EXPECT_EQ(p["txtin"].text(), "0");           // the text it wrote stays
    EXPECT_EQ(p["lblecho"].text(), "0,25");      // the faulting Change left the result alone
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(Bench, AFaultOnAClickWarnsAndPutsEveryControlBack) {
    Probe& p = probe();
    wb->userEdit(p, p["txtin"], "0");
    wb->userClick(p, p["cmdcalcola"]);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].prompt, "CALCOLO IMPOSSIBILE CON I DATI INSERITI");
    EXPECT_EQ(platform.boxes[0].title, "MESSAGGIO DI ERRORE");
    EXPECT_EQ(platform.boxes[0].kind, BoxKind::Exclamation);
    EXPECT_EQ(p["lblecho"].text(), "");  // the write before the fault is undone
    EXPECT_EQ(p["lblout"].text(), "vuoto");
    EXPECT_EQ(p.focused(), &p["txtin"]);
}

TEST_F(Bench, AModalFormBlocksTheFormsBeneath) {
    Other& o = static_cast<Other&>(*wb->show("other", false));
    Probe& p = probe(true);
    EXPECT_TRUE(wb->isBlocked(o));
    EXPECT_FALSE(wb->isBlocked(p));
    EXPECT_EQ(wb->activeForm(), &p);
    wb->userClose(o);
    EXPECT_NE(wb->openForm("other"), nullptr);
    wb->userClose(p);
    EXPECT_FALSE(wb->isBlocked(o));
    EXPECT_EQ(wb->activeForm(), &o);
}

TEST_F(Bench, AskingAgainBringsTheOpenFormForwardWithItsValues) {
    Probe& p = probe(false);
    wb->show("other", false);
    wb->userEdit(p, p["txtin"], "8");
    Form& again = *wb->show("probe", true);
    EXPECT_EQ(&again, &p);
    EXPECT_EQ(wb->openForms().back(), &p);
    EXPECT_EQ(p["txtin"].text(), "8");
    EXPECT_FALSE(wb->isModal(p));
}

TEST_F(Bench, ClosingDiscardsTheValuesAndTheLastCloseEndsTheProgram) {
    wb->show("other", false);
    Probe& p = probe();
    wb->userEdit(p, p["txtin"], "8");
    wb->close(p);
    EXPECT_FALSE(wb->ended());
    Probe& fresh = probe();
    EXPECT_EQ(fresh["txtin"].text(), "");
    wb->close(fresh);
    wb->userClose(*wb->openForm("other"));
    EXPECT_TRUE(wb->ended());
}

TEST_F(Bench, TimersTickOnTheClockAndStopWithTheirForm) {
    Probe& p = probe();
    platform.advance(1499);
    EXPECT_EQ(p.ticks, 2);
    p["Timer1"].setEnabled(false);
    platform.advance(5000);
    EXPECT_EQ(p.ticks, 2);
}

TEST_F(Bench, SeenTextDropsAccessKeyMarks) {
    Probe& p = probe();
    EXPECT_EQ(p["cmdcalcola"].seenText(), "CALCOLA");
    p["lblnote"].setText("A && B");
    EXPECT_EQ(p["lblnote"].seenText(), "A & B");
}

TEST_F(Bench, MissingDataCheckInBothVariants) {
    struct Open : Probe {
        using Probe::missingDataOk;
        using Probe::Probe;
        using Probe::txtin_;
    };
    struct Case {
        double product;
        Negative negative;
        bool goesOn;
        bool warns;
    };
    const Case cases[] = {
        {2, Negative::Ignored, true, false},   {0, Negative::Ignored, false, true},
        {-1, Negative::Ignored, false, false}, {2, Negative::Refused, true, false},
        {0, Negative::Refused, false, true},   {-1, Negative::Refused, false, true},
    };
    FormRegistry reg;
    reg.add("probe", [](Workbench& w) { return std::make_unique<Open>(w); });
    Workbench bench(platform.services(), std::move(reg));
    auto& f = static_cast<Open&>(*bench.show("probe", true));
    for (const auto& c : cases) {
        platform.boxes.clear();
        bench.userFocus(f, f["Option1(1)"]);
        EXPECT_EQ(f.missingDataOk(c.product, f.txtin_, c.negative), c.goesOn) << c.product;
        ASSERT_EQ(platform.boxes.size(), c.warns ? 1u : 0u) << c.product;
        if (c.warns) {
            EXPECT_EQ(platform.boxes[0].prompt, "MANCANO DATI");
            EXPECT_EQ(platform.boxes[0].title, "MESSAGGIO DI ERRORE");
        }
        EXPECT_EQ(f.focused(), c.warns ? &f["txtin"] : &f["Option1(1)"]) << c.product;
    }
    EXPECT_THROW(f.missingDataOk(std::numeric_limits<double>::infinity(), f.txtin_), CalcFault);
}

// A form whose load step faults, and one with a programming error behind a button.
class Broken : public Form {
public:
    explicit Broken(Workbench& wb)
        : Form(wb, {.name = "broken", .rect = {0, 0, 2000, 1000}, .defaultButton = {}}, {}) {}
    void Form_Load() override { checkedDiv(1, 0); }
};

class Buggy : public Form {
public:
    explicit Buggy(Workbench& wb)
        : Form(wb, {.name = "buggy", .rect = {0, 0, 2000, 1000}, .defaultButton = {}},
               {{.kind = K::Button, .name = "cmdapri"}, {.kind = K::Button, .name = "cmdguasto"}}) {
        onClick(ctl("cmdapri"), &Buggy::cmdapri_Click);
        onClick(ctl("cmdguasto"), &Buggy::cmdguasto_Click);
    }

private:
    void cmdapri_Click() { workbench().show("broken", true); }
    void cmdguasto_Click() { ctl("cmdmisspelt").setText("x"); }
};

// A form whose table lacks a control its constructor binds, and one that
// closes itself from its own button and goes on in the handler.
class Misnamed : public Form {
public:
    explicit Misnamed(Workbench& wb)
        : Form(wb, {.name = "misnamed", .rect = {0, 0, 2000, 1000}, .defaultButton = {}}, {}) {}

protected:
    Control& txtmissing_ = ctl("txtmissing");
};

class SelfClosing : public Form {
public:
    explicit SelfClosing(Workbench& wb)
        : Form(wb, {.name = "selfclosing", .rect = {0, 0, 2000, 1000}, .defaultButton = {}},
               {{.kind = K::Button, .name = "cmdesci"}, {.kind = K::Label, .name = "lblstato"}}) {
        onClick(cmdesci_, &SelfClosing::cmdesci_Click);
    }
    ~SelfClosing() override { destroyed = true; }
    static inline bool destroyed = false;
    static inline bool destroyedInsideItsHandler = false;

private:
    void cmdesci_Click() {
        close();
        destroyedInsideItsHandler = destroyed;
        lblstato_.setText("chiuso");  // the form must still be there
    }
    Control& cmdesci_ = ctl("cmdesci");
    Control& lblstato_ = ctl("lblstato");
};

struct Faults : Bench {
    void SetUp() override {
        FormRegistry reg;
        reg.add("broken", [](Workbench& w) { return std::make_unique<Broken>(w); });
        reg.add("buggy", [](Workbench& w) { return std::make_unique<Buggy>(w); });
        reg.add("misnamed", [](Workbench& w) { return std::make_unique<Misnamed>(w); });
        reg.add("selfclosing", [](Workbench& w) { return std::make_unique<SelfClosing>(w); });
        wb = std::make_unique<Workbench>(platform.services(), std::move(reg));
    }
    void expectOneFaultBox() {
        ASSERT_EQ(platform.boxes.size(), 1u);
        EXPECT_EQ(platform.boxes[0].prompt, "CALCOLO IMPOSSIBILE CON I DATI INSERITI");
        platform.boxes.clear();
    }
};

TEST_F(Faults, AFormWhoseLoadFaultsIsClosedAndReported) {
    EXPECT_EQ(wb->show("broken", true), nullptr);
    EXPECT_EQ(wb->openForm("broken"), nullptr);
    expectOneFaultBox();
    Form& caller = *wb->show("buggy", false);
    wb->userClick(caller, caller["cmdapri"]);  // opened from a handler: the handler's event reports it
    expectOneFaultBox();
    EXPECT_EQ(wb->openForm("broken"), nullptr);
    EXPECT_EQ(wb->activeForm(), &caller);  // not blocked by a windowless modal form
}

TEST_F(Faults, AProgrammingErrorInAHandlerShowsTheBoxAndTheProgramGoesOn) {
    Form& f = *wb->show("buggy", false);
    ::testing::internal::CaptureStderr();
    wb->userClick(f, f["cmdguasto"]);
    const std::string log = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(log.find("buggy.cmdguasto_Click: form buggy has no control cmdmisspelt"), std::string::npos)
        << log;
    expectOneFaultBox();
    EXPECT_EQ(wb->internalErrors(), 1);
    EXPECT_NE(wb->lastInternalError().find("cmdmisspelt"), std::string::npos);
    EXPECT_FALSE(wb->ended());
    EXPECT_EQ(wb->activeForm(), &f);
}

// A constructor that throws leaves the workbench's nesting count alone, so
// a form closing itself later is freed only once its handler is over (the
// sanitizer build sees any use after free).
TEST_F(Faults, AFailedConstructionLeavesLaterHandlersSafe) {
    wb->show("buggy", false);
    ::testing::internal::CaptureStderr();
    for (int i = 0; i < 2; ++i) EXPECT_EQ(wb->show("misnamed", true), nullptr);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("misnamed.Form_Initialize"), std::string::npos);
    EXPECT_EQ(wb->internalErrors(), 2);
    platform.boxes.clear();
    Form& f = *wb->show("selfclosing", false);
    wb->userClick(f, f["cmdesci"]);
    EXPECT_FALSE(SelfClosing::destroyedInsideItsHandler);
    EXPECT_TRUE(SelfClosing::destroyed);
    EXPECT_EQ(wb->openForm("selfclosing"), nullptr);
    EXPECT_TRUE(platform.boxes.empty());
}

}  // namespace
}  // namespace ondalab
