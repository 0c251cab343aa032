#include "qt/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>
#include <vector>

#include "common/workbench.h"

namespace ondalab::qt {

namespace {

const Workbench* textSource = nullptr;

}  // namespace

std::string interfaceLanguage() {
    std::vector<std::string> preferred;
    if (const QByteArray forced = qgetenv("ONDALAB_LANG"); !forced.isEmpty())
        preferred.push_back(forced.toStdString());
    // The C locale is no choice of language, whatever Qt reports for it.
    if (QLocale::system().language() != QLocale::C)
        for (const QString& tag : QLocale::system().uiLanguages()) preferred.push_back(tag.toStdString());
    return chooseLanguage(preferred, translationsDir());
}

void useQtTranslations(const std::string& language) {
    static std::unique_ptr<QTranslator> installed;
    if (installed) QCoreApplication::removeTranslator(installed.get());
    installed = std::make_unique<QTranslator>();
    if (installed->load(QStringLiteral("qtbase_") + QString::fromStdString(language),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(installed.get());
}

void setTextSource(const Workbench* wb) { textSource = wb; }

QString uiText(const char* source) {
    return QString::fromStdString(textSource ? textSource->translate(kSharedContext, source) : source);
}

}  // namespace ondalab::qt
