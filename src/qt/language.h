// The interface language on a desktop, and the Qt layer's own few texts.
#pragma once

#include <QString>
#include <string>

namespace ondalab {
class Workbench;
}

namespace ondalab::qt {

// ONDALAB_LANG=it|en when set; else the first of the system's UI languages
// (LANGUAGE, LC_MESSAGES, LANG) that is Italian or has a catalogue; else
// Italian.
std::string interfaceLanguage();

// Qt's own texts (file dialogs, the text boxes' context menu, standard
// buttons) in `language`, from Qt's catalogues; a language Qt has none for
// leaves them as Qt writes them.
void useQtTranslations(const std::string& language);

// The view's own texts ("Copia risultati", the box buttons) go through the
// workbench's catalogue: the view names the workbench it serves.
void setTextSource(const Workbench* wb);
QString uiText(const char* source);

}  // namespace ondalab::qt
