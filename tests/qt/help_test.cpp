// The help pages: every window a menu entry opens has one in each language,
// found where the program looks, and each page's worked example runs
// through its window and shows exactly what the page says. Then the help
// window itself, rendered by the Qt view.
#include <gtest/gtest.h>

#include <QApplication>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <iostream>
#include <set>
#include <sstream>

#include "app/forms.h"
#include "app/help_pages.h"
#include "app/info_forms.h"
#include "app/main_window.h"
#include "qt/palette.h"
#include "qt/qtview.h"
#include "scenario/script.h"
#include "test_forms.h"
#include "ts_messages.h"

namespace ondalab {
namespace {

// The forms the menu's entries open.
void leaves(const std::vector<MenuItem>& items, std::vector<std::string>& out) {
    for (const auto& item : items) {
        if (item.children.empty() && !item.form.empty()) out.push_back(item.form);
        leaves(item.children, out);
    }
}

// The lines of the page's one ```example block; the rest goes to `prose`.
std::string exampleOf(const std::string& page, int& blocks, std::string& prose) {
    std::istringstream in(page);
    std::string line, out;
    bool inside = false;
    blocks = 0;
    while (std::getline(in, line)) {
        if (!inside && line == "```example") {
            inside = true;
            ++blocks;
        } else if (inside && line.rfind("```", 0) == 0) {
            inside = false;
        } else {
            (inside ? out : prose) += line + "\n";
        }
    }
    return out;
}

// The interface's Italian texts that English shows otherwise, and that are
// no English text either: an English page that quotes one, or names one of
// several words (a caption), quotes the Italian interface.
struct ItalianText {
    QString text;
    bool words;  // of several words: wrong even unquoted
};
std::vector<ItalianText> italianOnlyTexts() {
    static const QRegularExpression word(QStringLiteral("[^\\W\\d_]{2,}"),
                                         QRegularExpression::UseUnicodePropertiesOption);
    const auto messages = testing::readTsMessages();
    std::set<QString> english;
    for (const auto& m : messages) english.insert(m.translation.simplified());
    std::set<QString> italian;
    for (const auto& m : messages)
        if (const QString s = m.source.simplified(); !english.count(s) && s.contains(word)) italian.insert(s);
    std::vector<ItalianText> out;
    for (const auto& s : italian) {
        auto it = word.globalMatch(s);
        it.next();
        out.push_back({s, it.hasNext()});
    }
    return out;
}

// `text` in `prose` as a whole, not inside a longer word.
bool mentions(const QString& prose, const ItalianText& it) {
    if (!it.words) return prose.contains(u'"' + it.text + u'"');
    for (qsizetype at = prose.indexOf(it.text); at >= 0; at = prose.indexOf(it.text, at + 1)) {
        const qsizetype end = at + it.text.size();
        if ((at == 0 || !prose[at - 1].isLetterOrNumber()) &&
            (end == prose.size() || !prose[end].isLetterOrNumber()))
            return true;
    }
    return false;
}

TEST(HelpPages, EveryWindowHasAPageInBothLanguagesWhoseExampleRuns) {
    std::vector<std::string> windows;
    leaves(mainMenu(), windows);
    const auto italian = italianOnlyTexts();
    ASSERT_GT(italian.size(), 500u) << "cannot read " << testing::kEnglishCatalogue;
    int examples = 0;
    for (const auto& form : windows) {
        if (form == Frmabaut::kName) continue;  // the program's readme has no page
        for (const std::string language : {"it", "en"}) {
            const std::string page = form + "." + language + ".md";
            SCOPED_TRACE(page);
            const auto text = readHelpPage(form, language);
            if (!text) {
                ADD_FAILURE() << "no page";
                continue;
            }
            EXPECT_NE(text->rfind("# ", 0), 0u) << "the window puts the caption on top itself";
            int blocks = 0;
            std::string prose;
            const std::string example = exampleOf(*text, blocks, prose);
            if (language == "en") {
                const QString words = QString::fromStdString(prose).simplified();
                for (const auto& it : italian)
                    EXPECT_FALSE(mentions(words, it))
                        << "Italian interface text \"" << it.text.toStdString() << '"';
            }
            ASSERT_EQ(blocks, 1) << "one worked example";
            EXPECT_EQ(example.find("menu "), std::string::npos) << "the test opens the window itself";
            std::ostringstream out;
            std::streambuf* was = std::cout.rdbuf(out.rdbuf());
            scenario::Tally tally;
            // The page's language is the interface's; the separators stay those of locale it.
            scenario::runText(page, "language " + language + "\n" + example, scenario::modelProgram, tally,
                              form);
            std::cout.rdbuf(was);
            EXPECT_EQ(tally.failed, 0) << out.str();
            EXPECT_GT(tally.passed, 0) << "an example with no result shown";
            ++examples;
        }
    }
    EXPECT_EQ(examples, 2 * static_cast<int>(windows.size() - 1));  // the information window aside
}

// F1 in a form's window opens the help window over it: the page rendered
// from its Markdown (the caption as its heading, headings and formulas as
// text, no markup left), in the palette's colours and the zoom, and Escape
// goes back.
TEST(HelpWindow, RendersThePageOverTheFormAndGoesBack) {
    const QPalette before = QApplication::palette();
    QApplication::setPalette(qt::darkPalette());
    ScriptedPlatform platform;
    Workbench wb(platform.services(), allForms());
    QtView view(wb);
    wb.show(kMainWindow, false);
    wb.userMenu("mnuohm");
    testing::settle();
    Form& ohm = *wb.openForm("frmleggediohm");
    QTest::keyClick(view.window(ohm)->focusWidget(), Qt::Key_F1);
    testing::settle();
    Form* help = wb.openForm(kHelpForm);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(wb.activeForm(), help);
    auto* page = qobject_cast<QTextBrowser*>(view.widget(*help, (*help)["txtguida"]));
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->isReadOnly());
    const QTextDocument& doc = *page->document();
    EXPECT_EQ(doc.firstBlock().text().toStdString(), ohm.caption());
    EXPECT_EQ(doc.firstBlock().blockFormat().headingLevel(), 1);
    const QString plain = doc.toPlainText();
    EXPECT_FALSE(plain.contains(QStringLiteral("## "))) << "Markdown rendered, not shown";
    EXPECT_TRUE(plain.contains(QStringLiteral("R = V / I"))) << plain.left(400).toStdString();
    EXPECT_EQ(page->palette().color(QPalette::Text), qt::darkPalette().color(QPalette::Text));
    EXPECT_GT(page->verticalScrollBar()->maximum(), 0) << "a page longer than the window scrolls";
    const qreal points = page->font().pointSizeF();
    QTest::keyClick(page, Qt::Key_Plus, Qt::ControlModifier);  // the zoom of every window
    testing::settle();
    EXPECT_GT(page->font().pointSizeF(), points);
    EXPECT_EQ(doc.defaultFont().pointSizeF(), page->font().pointSizeF());
    QTest::keyClick(page, Qt::Key_0, Qt::ControlModifier);
    QTest::keyClick(page, Qt::Key_Escape);
    testing::settle();
    EXPECT_EQ(wb.openForm(kHelpForm), nullptr);
    EXPECT_EQ(wb.activeForm(), &ohm);
    QApplication::setPalette(before);
}

TEST(HelpWindow, AMissingPageIsSaidSo) {
    qputenv("ONDALAB_HELP_DIR", "/nonexistent");
    ScriptedPlatform platform;
    Workbench wb(platform.services(), allForms());
    wb.show(kMainWindow, false);
    wb.userMenu("mnurms");
    wb.activeForm()->move(1500, 6000);  // the 6120 x 4000 volts form, low on the left
    EXPECT_TRUE(wb.userKey(*wb.activeForm(), "F1"));
    qunsetenv("ONDALAB_HELP_DIR");
    ASSERT_NE(wb.openForm(kHelpForm), nullptr);
    // Over the volts form: centred across it (1500 + (6120 - 9000) / 2) and
    // lifted to stay on the 10800 twips high screen (10800 - 7800).
    const Rect& at = wb.openForm(kHelpForm)->rect();
    EXPECT_EQ(std::make_pair(at.left, at.top), std::make_pair(60, 3000));
    EXPECT_EQ(
        (*wb.openForm(kHelpForm))["txtguida"].text(),
        "# VOLT EFFETTIVI - VOLT DI PICCO - VOLT PICCO PICCO\n\nLa guida di questa finestra non è stata "
        "trovata: manca il file frmvolt.it.md nella cartella share/ondalab/help del programma.");
    EXPECT_EQ(wb.internalErrors(), 0);
}

}  // namespace
}  // namespace ondalab
