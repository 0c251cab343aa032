// The interface texts of one language: a catalogue compiled by Qt's lrelease
// (.qm), read here without Qt so that the scripted platform, the Qt view and
// a build without Qt all translate alike. Italian is the source language and
// needs no catalogue.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ondalab {

// Marks a source text for lupdate (aliased to QT_TRANSLATE_NOOP) and leaves
// it as it is: the context is the form's name ("frmleggediohm"), or
// kSharedContext for texts several forms use. Translation happens where the
// text reaches the user (Form::tr, the form's table, boxes, menus).
#define TR(context, text) text

// Texts shared by every form: the usual box titles, the fault box, the
// readout menu. A form's own context is looked up first, then this one.
inline constexpr const char* kSharedContext = "ondalab";

class Catalogue {
public:
    // Reads an lrelease file; false (and an empty catalogue) when the bytes
    // are not one. Messages compiled without their source text (lrelease
    // -compress) cannot be matched and are left out.
    bool load(std::string_view bytes);
    bool loadFile(const std::string& path);

    // The finished translation of `source` in `context`, if the catalogue has one.
    std::optional<std::string> find(std::string_view context, std::string_view source) const;
    size_t size() const { return messages_.size(); }

private:
    std::map<std::pair<std::string, std::string>, std::string, std::less<>> messages_;
};

// The languages the interface can take: "it" (the source) and every
// catalogue ondalab_<code>.qm found in the translations folder.
inline constexpr const char* kSourceLanguage = "it";

// Where the catalogues are: ONDALAB_TRANSLATIONS when set, else beside the
// program (translations/, the build tree) or in ../share/ondalab/translations
// (installed). Empty when none of them exists.
std::string translationsDir();

// The catalogue file of a language in `dir` ("ondalab_en.qm").
std::string cataloguePath(const std::string& dir, std::string_view language);

// The first of a list of preferred UI languages ("en-GB", "it_IT", "de")
// that is the source language or has a catalogue in `dir`; the source
// language when none does.
std::string chooseLanguage(const std::vector<std::string>& preferred, const std::string& dir);

// Fills the numbered places of a translated pattern: "%1 OHM" with {"12"}
// gives "12 OHM". A "%" not followed by the number of an argument stays.
std::string compose(std::string_view pattern, const std::vector<std::string>& args);

}  // namespace ondalab
