// Reading lrelease's catalogue format, filling numbered places, and
// choosing the interface language.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/catalogue.h"

namespace ondalab {
namespace {

std::string be32(uint32_t n) {
    return {static_cast<char>(n >> 24), static_cast<char>(n >> 16 & 0xff), static_cast<char>(n >> 8 & 0xff),
            static_cast<char>(n & 0xff)};
}
std::string field(char tag, const std::string& bytes) {
    return tag + be32(static_cast<uint32_t>(bytes.size())) + bytes;
}
std::string utf16(const std::string& ascii) {
    std::string out;
    for (char c : ascii) out += std::string{'\0', c};
    return out;
}

// A catalogue as lrelease writes it: magic, then the messages section.
std::string catalogue(const std::string& messages) {
    const std::string magic = "\x3c\xb8\x64\x18\xca\xef\x9c\x95\xcd\x21\x1c\xbf\x60\xa1\xbd\xdd";
    return magic + field('\x69', messages);
}
std::string message(const std::string& context, const std::string& source, const std::string& translation) {
    std::string m = field(3, utf16(translation)) + field(8, "");
    if (!source.empty()) m += field(6, source);
    return m + field(7, context) + '\x01';
}

TEST(Catalogue, FindsATranslationByContextAndSource) {
    Catalogue c;
    ASSERT_TRUE(c.load(catalogue(message("frmx", "CALCOLA", "CALCULATE") + message("frmx", "", "LOST"))));
    EXPECT_EQ(c.find("frmx", "CALCOLA"), "CALCULATE");
    EXPECT_EQ(c.find("frmy", "CALCOLA"), std::nullopt);
    EXPECT_EQ(c.size(), 1u) << "a message without its source text cannot be matched";
    EXPECT_FALSE(c.load("not a catalogue"));
    EXPECT_FALSE(c.load(catalogue(message("frmx", "A", "B")).substr(0, 30))) << "cut short";
    EXPECT_EQ(c.size(), 0u);
}

TEST(Catalogue, ComposeFillsNumberedPlaces) {
    const struct {
        const char* pattern;
        std::vector<std::string> args;
        const char* out;
    } rows[] = {
        {"VALUE OF R1 IS %1 OHM", {"1.500"}, "VALUE OF R1 IS 1.500 OHM"},
        {"%2 / %1", {"a", "b"}, "b / a"},
        {"Efficiency     %", {}, "Efficiency     %"},
        {"%3 left", {"a"}, "%3 left"},
    };
    for (const auto& r : rows) EXPECT_EQ(compose(r.pattern, r.args), r.out) << r.pattern;
}

TEST(Catalogue, LanguageIsTheFirstPreferredOneWeHave) {
    const auto dir = std::filesystem::temp_directory_path() / "ondalab-catalogue-test";
    std::filesystem::create_directories(dir);
    std::ofstream(cataloguePath(dir.string(), "en")) << catalogue("");
    const struct {
        std::vector<std::string> preferred;
        const char* language;
    } rows[] = {
        {{"de-DE", "en-GB", "it"}, "en"},
        {{"it_IT.UTF-8", "en"}, "it"},
        {{"de"}, "it"},
        {{}, "it"},
    };
    for (const auto& r : rows) EXPECT_EQ(chooseLanguage(r.preferred, dir.string()), r.language);
    EXPECT_EQ(chooseLanguage({"en"}, ""), "it") << "no catalogues at all";
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace ondalab
