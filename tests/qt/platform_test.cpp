// The desktop services: message boxes, regional settings, timers, the
// screen and printing to a PDF file.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "qt/messagebox.h"
#include "qt/printing.h"
#include "qt/qtplatform.h"
#include "qt/qtview.h"
#include "test_forms.h"

namespace ondalab {
namespace {

TEST(MessageBox, IconButtonsInItalianAndRoomForTheTitle) {
    const struct {
        BoxKind kind;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QStringList captions;
        const char* title;
    } rows[] = {
        {BoxKind::Exclamation, QMessageBox::Warning, QMessageBox::Ok, {"OK"}, "MESSAGGIO DI ERRORE"},
        {BoxKind::Question,
         QMessageBox::Question,
         QMessageBox::Yes | QMessageBox::No,
         {"S\u00ec", "No"},
         "VELARIO"},
        {BoxKind::Plain, QMessageBox::NoIcon, QMessageBox::Ok, {"OK"}, "MESSAGGIO DI AVVISO"},
    };
    for (const auto& r : rows) {
        const auto box = qt::makeMessageBox(r.kind, "MANCANO DATI", r.title);
        EXPECT_EQ(box->icon(), r.icon) << int(r.kind);
        EXPECT_EQ(box->standardButtons(), r.buttons) << int(r.kind);
        QStringList captions;
        for (QAbstractButton* b : box->buttons()) captions << b->text();
        captions.sort();
        QStringList expected = r.captions;
        expected.sort();
        EXPECT_EQ(captions, expected) << int(r.kind);
        EXPECT_EQ(box->text(), "MANCANO DATI");
        EXPECT_EQ(box->windowTitle(), r.title);
        box->show();
        // The title in a window manager's bold type, 1.25 times the size,
        // plus its buttons: at least as wide as the title twice in our type.
        const QFontMetrics fm(box->font());
        EXPECT_GE(box->width(), qt::titleWidth(r.title, box->font())) << r.title;
        EXPECT_GE(box->width(), 2 * fm.horizontalAdvance(r.title)) << r.title;
        box->hide();
    }
}

TEST(MessageBox, ButtonsGiveTheModelsAnswers) {
    EXPECT_EQ(qt::answerOf(QMessageBox::Yes), Answer::Yes);
    EXPECT_EQ(qt::answerOf(QMessageBox::No), Answer::No);
    EXPECT_EQ(qt::answerOf(QMessageBox::Ok), Answer::Ok);
}

TEST(Regional, EnvironmentChoosesOneOfOurLocales) {
    EXPECT_EQ(qt::localeFromEnv("it"), Locale::It);
    EXPECT_EQ(qt::localeFromEnv("en"), Locale::En);
    EXPECT_EQ(qt::localeFromEnv("fr"), std::nullopt);
    EXPECT_EQ(qt::localeFromEnv(""), std::nullopt);
    EXPECT_EQ(qt::localeFromEnv(nullptr), std::nullopt);
}

TEST(Regional, SeparatorsComeFromTheLocale) {
    const struct {
        QLocale locale;
        char decimal, grouping;
    } rows[] = {
        {QLocale(QLocale::Italian, QLocale::Italy), ',', '.'},
        {QLocale(QLocale::English, QLocale::UnitedStates), '.', ','},
        {QLocale(QLocale::German, QLocale::Germany), ',', '.'},
        {QLocale(QLocale::French, QLocale::France), ',', ' '},  // a no-break space in Qt
    };
    for (const auto& r : rows) {
        const NumberFormat f = qt::numberFormatOf(r.locale);
        EXPECT_EQ(f.decimal, r.decimal) << r.locale.name().toStdString();
        EXPECT_EQ(f.grouping, r.grouping) << r.locale.name().toStdString();
    }
}

TEST(Regional, ShortDateInOurLocalesIsOurs) {
    const QDate day(2026, 1, 15);
    EXPECT_EQ(qt::shortDateOf(QLocale(QLocale::Italian, QLocale::Italy), day), "15/01/2026");
    EXPECT_EQ(qt::shortDateOf(QLocale(QLocale::English, QLocale::UnitedStates), day), "1/15/2026");
    EXPECT_EQ(qt::shortDateOf(QLocale(QLocale::German, QLocale::Germany), day),
              QLocale(QLocale::German, QLocale::Germany).toString(day, QLocale::ShortFormat).toStdString());
}

TEST(Regional, OverrideWinsOverTheSystem) {
    qputenv("ONDALAB_LOCALE", "en");
    const QtPlatform en;
    qputenv("ONDALAB_LOCALE", "it");
    const QtPlatform it;
    qunsetenv("ONDALAB_LOCALE");
    EXPECT_EQ(en.numberFormat(), NumberFormat::english());
    EXPECT_EQ(it.numberFormat(), NumberFormat::italian());
    const QDate today = QDate::currentDate();
    EXPECT_EQ(it.shortDate(), today.toString("dd/MM/yyyy").toStdString());
    EXPECT_EQ(en.shortDate(), today.toString("M/d/yyyy").toStdString());
}

TEST(Screen, SizeIsTheAvailableAreaInTwips) {
    const QScreen* s = QGuiApplication::primaryScreen();
    if (s->logicalDotsPerInch() != 96 || s->availableSize() != QSize(800, 800))
        GTEST_SKIP() << "worked out for the offscreen 800x800 screen at 96 dpi";
    const QtPlatform p;
    EXPECT_EQ(p.widthTwips(), 12000);
    EXPECT_EQ(p.heightTwips(), 12000);
}

TEST(Timers, TickUntilStoppedAndMayStopThemselves) {
    QtPlatform p;
    int a = 0, b = 0;
    const int idA = 0, idB = 0;
    p.start(&idA, 5, [&] { ++a; });
    p.start(&idB, 5, [&] {
        if (++b == 2) p.stop(&idB);
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return a >= 3; }, 2000));
    EXPECT_GE(a, 3);
    EXPECT_EQ(b, 2);
    p.stop(&idA);
    const int stoppedAt = a;
    QTest::qWait(30);
    EXPECT_EQ(a, stoppedAt);
    // A restart replaces the tick.
    int c = 0;
    p.start(&idA, 5, [&] { ++c; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return c >= 1; }, 2000));
    EXPECT_EQ(a, stoppedAt);
    EXPECT_GE(c, 1);
}

int pageCount(const QByteArray& pdf) {
    int pages = 0;
    for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0; at = pdf.indexOf("/Type /Page", at + 1))
        if (pdf.mid(at, 12) != "/Type /Pages") ++pages;
    return pages;
}

TEST(Printing, WritesOnePagePdfOfTheShownForm) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("stampa.pdf");
    qputenv("QT_PRINT_TO_PDF", file.toLocal8Bit());

    ScriptedPlatform scripted;
    QtPlatform desktop;
    Workbench wb({scripted, scripted, scripted, scripted, desktop, scripted}, testing::probeRegistry());
    QtView view(wb);
    desktop.setView(&view);
    Form& f = *wb.show("FRMPROVA", false);
    testing::settle();
    wb.printForm(f, {"cmdcalcola"});
    qunsetenv("QT_PRINT_TO_PDF");

    EXPECT_TRUE(scripted.boxes.empty()) << "no warning: the print-out was made";
    EXPECT_TRUE(f["cmdcalcola"].visible()) << "hidden for the print-out only";
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(pageCount(bytes), 1);
}

TEST(Printing, PdfNameIsTheCaptionAndTheDay) {
    const QDate day(2026, 1, 15);
    EXPECT_EQ(qt::pdfFileName("Radiatore accorciato", day), "Radiatore accorciato 2026-01-15.pdf");
    EXPECT_EQ(qt::pdfFileName("L / C: \"loop\"  ", day), "L C loop 2026-01-15.pdf");
    EXPECT_EQ(qt::pdfFileName("", day), "stampa 2026-01-15.pdf");
}

TEST(Printing, NoWindowNoPrintOut) {
    ScriptedPlatform scripted;
    QtPlatform desktop;  // no view: nothing to grab
    Workbench wb(scripted.services(), testing::probeRegistry());
    Form& f = *wb.show("FRMPROVA", false);
    EXPECT_FALSE(desktop.print(f));
}

}  // namespace
}  // namespace ondalab
