// The English catalogue against what the program shows: every registered
// form as it opens and every scenario file's walk, run on the scripted
// platform under English, must look up no text in vain and show no word
// that no English entry has (a text that bypassed the hook); the catalogue
// has no unfinished entry.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDirIterator>
#include <QRegularExpression>
#include <iostream>
#include <map>
#include <set>
#include <sstream>

#include "app/forms.h"
#include "common/scripted.h"
#include "qt/language.h"
#include "scenario/script.h"
#include "ts_messages.h"

namespace ondalab {
namespace {

struct TsFile {
    std::set<QString> words;  // of every English translation
    int messages = 0;
    std::vector<std::string> unfinished;
};

const QRegularExpression& wordPattern() {
    static const QRegularExpression w(QStringLiteral("[^\\W\\d_]+"),
                                      QRegularExpression::UseUnicodePropertiesOption);
    return w;
}

void addWords(const QString& text, std::set<QString>& out) {
    for (auto it = wordPattern().globalMatch(text); it.hasNext();) out.insert(it.next().captured().toLower());
}

TsFile readTs() {
    TsFile ts;
    for (const auto& m : testing::readTsMessages()) {
        ++ts.messages;
        if (!m.type.isEmpty() || m.translation.isEmpty())
            ts.unfinished.push_back(m.context.toStdString() + ": \"" + m.source.toStdString() + "\" " +
                                    (m.type.isEmpty() ? "empty" : m.type.toStdString()));
        addWords(m.translation, ts.words);
    }
    return ts;
}

// Every word a user reads on the open forms: captions, labels, buttons,
// options, tooltips, list entries and the words in drawings. What the user
// typed into a text box or a combo box is the user's own.
void shownWords(const Workbench& wb, std::map<QString, std::string>& out) {
    const auto note = [&](const Form& f, const std::string& what, const std::string& text) {
        std::set<QString> words;
        addWords(QString::fromStdString(text), words);
        for (const auto& w : words) out.emplace(w, f.name() + "." + what + " \"" + text + "\"");
    };
    for (const Form* f : wb.openForms()) {
        note(*f, "caption", f->caption());
        for (const auto& item : f->menu()) note(*f, item.name, item.caption);
        for (const auto& c : f->controls()) {
            // A help page is a page of its own language, not catalogue texts.
            if (!c->visible() || c->kind() == ControlKind::Document) continue;
            if (c->kind() != ControlKind::TextBox && c->kind() != ControlKind::Combo)
                note(*f, c->name(), c->text());
            note(*f, c->name() + " tooltip", c->tooltip());
            for (const auto& entry : c->items()) note(*f, c->name() + " entry", entry);
            for (const auto& stroke : c->spec().picture) note(*f, c->name() + " drawing", stroke.text);
        }
    }
}

// The model driver, looking at the forms after each line of a file.
class Watching : public scenario::Driver {
public:
    Watching(Workbench& wb, std::map<QString, std::string>& seen) : Driver(wb), seen_(seen) {}
    void settle() override { shownWords(wb_, seen_); }

private:
    std::map<QString, std::string>& seen_;
};

// The access keys of one menu level, each once.
void uniqueKeys(const std::vector<MenuItem>& items, const std::string& level) {
    std::map<char, std::string> keys;
    for (const auto& item : items) {
        const auto amp = item.caption.find('&');
        if (amp != std::string::npos && amp + 1 < item.caption.size()) {
            const char key =
                static_cast<char>(std::tolower(static_cast<unsigned char>(item.caption[amp + 1])));
            const auto [it, fresh] = keys.emplace(key, item.caption);
            if (!fresh)
                ADD_FAILURE() << level << ": \"" << it->second << "\" and \"" << item.caption
                              << "\" share a key";
        }
        uniqueKeys(item.children, item.caption);
    }
}

// The file dialog's overwrite question and the text boxes' menu come from
// Qt's catalogues, in the interface language.
TEST(Translation, QtsOwnTextsFollowTheInterfaceLanguage) {
    qt::useQtTranslations("it");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?"),
              QStringLiteral("%1 esiste già.\nVuoi sostituirlo?"));
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Undo"), QStringLiteral("Ann&ulla"));
    qt::useQtTranslations("en");
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Undo"), QStringLiteral("&Undo"));
}

TEST(Translation, MenuAccessKeysAreUniqueInEnglish) {
    ScriptedPlatform platform;
    Workbench wb(platform.services(), allForms());
    ASSERT_TRUE(wb.setLanguage("en"));
    const Form* main = wb.show(kMainWindow, false);
    ASSERT_TRUE(main);
    EXPECT_EQ(main->menu().front().caption, "&Volts");
    uniqueKeys(main->menu(), "menu bar");
}

TEST(Translation, EveryShownTextIsInTheEnglishCatalogue) {
    const TsFile ts = readTs();
    ASSERT_GT(ts.messages, 500) << "cannot read " << testing::kEnglishCatalogue;
    for (const auto& u : ts.unfinished) ADD_FAILURE() << "unfinished: " << u;

    std::set<std::pair<std::string, std::string>> missing;
    std::map<QString, std::string> seen;  // word -> where it was first seen
    struct Collect {
        Workbench* wb;
        std::set<std::pair<std::string, std::string>>* missing;
        ~Collect() { missing->insert(wb->missingTexts().begin(), wb->missingTexts().end()); }
    };
    const scenario::ProgramFactory english = [&](ScriptedPlatform& platform) {
        platform.language = "en";
        scenario::Program p;
        p.workbench = std::make_unique<Workbench>(platform.services(), allForms());
        p.driver = std::make_unique<Watching>(*p.workbench, seen);
        p.keepAlive = std::make_shared<Collect>(Collect{p.workbench.get(), &missing});
        return p;
    };
    // The files' own (Italian) verdicts do not matter here: only what they show.
    std::ostringstream quiet;
    std::streambuf* out = std::cout.rdbuf(quiet.rdbuf());
    scenario::Tally tally;
    QDirIterator it(QStringLiteral(ONDALAB_SOURCE_DIR "/tests/scenarios"), {"*.scn"}, QDir::Files,
                    QDirIterator::Subdirectories);
    int files = 0;
    while (it.hasNext()) files += scenario::runFile(it.next().toStdString(), english, tally);
    std::cout.rdbuf(out);
    ASSERT_GT(files, 20);

    ScriptedPlatform platform;
    Workbench wb(platform.services(), allForms());
    ASSERT_TRUE(wb.setLanguage("en")) << "no compiled English catalogue beside the program";
    for (const auto& name : wb.registry().names()) {
        wb.show(name, false);
        shownWords(wb, seen);
    }
    missing.insert(wb.missingTexts().begin(), wb.missingTexts().end());

    for (const auto& [context, source] : missing)
        ADD_FAILURE() << "no entry: " << context << ": \"" << source << "\"";
    for (const auto& [word, where] : seen)
        if (!ts.words.count(word))
            ADD_FAILURE() << "\"" << word.toStdString() << "\" shown untranslated: " << where;
}

}  // namespace
}  // namespace ondalab
