#include "common/catalogue.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace ondalab {

namespace {

// The layout lrelease writes: a 16-byte magic number, then sections of
// (tag byte, 32-bit big-endian length, bytes). The messages section holds
// each message as fields (tag byte, then for strings a 32-bit length and
// the bytes), ended by kEnd.
constexpr unsigned char kMagic[16] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                      0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};
constexpr unsigned char kMessagesSection = 0x69;
enum Field : unsigned char {
    kEnd = 1,
    kSourceText16 = 2,
    kTranslation = 3,
    kContext16 = 4,
    kObsolete1 = 5,
    kSourceText = 6,
    kContext = 7,
    kComment = 8,
    kObsolete2 = 9,
};
constexpr uint32_t kNullString = 0xffffffff;

class Reader {
public:
    explicit Reader(std::string_view bytes) : b_(bytes) {}
    bool atEnd() const { return pos_ >= b_.size(); }
    bool byte(unsigned char& out) {
        if (pos_ + 1 > b_.size()) return false;
        out = static_cast<unsigned char>(b_[pos_++]);
        return true;
    }
    bool u32(uint32_t& out) {
        if (pos_ + 4 > b_.size()) return false;
        out = 0;
        for (int i = 0; i < 4; ++i) out = out << 8 | static_cast<unsigned char>(b_[pos_++]);
        return true;
    }
    bool bytes(uint32_t n, std::string_view& out) {
        if (n > b_.size() - pos_) return false;
        out = b_.substr(pos_, n);
        pos_ += n;
        return true;
    }
    bool skip(size_t n) {
        if (n > b_.size() - pos_) return false;
        pos_ += n;
        return true;
    }

private:
    std::string_view b_;
    size_t pos_ = 0;
};

void appendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xc0 | cp >> 6);
        out += static_cast<char>(0x80 | (cp & 0x3f));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xe0 | cp >> 12);
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3f));
        out += static_cast<char>(0x80 | (cp & 0x3f));
    } else {
        out += static_cast<char>(0xf0 | cp >> 18);
        out += static_cast<char>(0x80 | (cp >> 12 & 0x3f));
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3f));
        out += static_cast<char>(0x80 | (cp & 0x3f));
    }
}

// Translations are UTF-16, big-endian.
std::string fromUtf16(std::string_view b) {
    std::string out;
    for (size_t i = 0; i + 1 < b.size(); i += 2) {
        uint32_t unit = static_cast<unsigned char>(b[i]) << 8 | static_cast<unsigned char>(b[i + 1]);
        if (unit >= 0xd800 && unit < 0xdc00 && i + 3 < b.size()) {
            const uint32_t low =
                static_cast<unsigned char>(b[i + 2]) << 8 | static_cast<unsigned char>(b[i + 3]);
            if (low >= 0xdc00 && low < 0xe000) {
                unit = 0x10000 + ((unit - 0xd800) << 10) + (low - 0xdc00);
                i += 2;
            }
        }
        appendUtf8(out, unit);
    }
    return out;
}

struct Message {
    std::string context, source, translation;
    bool hasSource = false;
};

bool readMessages(std::string_view section,
                  std::map<std::pair<std::string, std::string>, std::string, std::less<>>& out) {
    Reader r(section);
    Message m;
    while (!r.atEnd()) {
        unsigned char tag = 0;
        if (!r.byte(tag)) return false;
        if (tag == kEnd) {
            if (m.hasSource && !m.translation.empty()) out[{m.context, m.source}] = m.translation;
            m = {};
            continue;
        }
        if (tag == kObsolete1) continue;  // no payload
        uint32_t n = 0;
        if (!r.u32(n)) return false;
        if (n == kNullString) continue;
        std::string_view b;
        if (!r.bytes(n, b)) return false;
        switch (tag) {
            case kTranslation:
                m.translation = fromUtf16(b);
                break;  // a plural form would come again; there is none
            case kSourceText:
                m.source = std::string(b), m.hasSource = true;
                break;
            case kSourceText16:
                m.source = fromUtf16(b), m.hasSource = true;
                break;
            case kContext:
                m.context = std::string(b);
                break;
            case kContext16:
                m.context = fromUtf16(b);
                break;
            case kComment:
            case kObsolete2:
                break;
            default:
                return false;
        }
    }
    return true;
}

}  // namespace

bool Catalogue::load(std::string_view bytes) {
    messages_.clear();
    Reader r(bytes);
    std::string_view magic;
    if (!r.bytes(sizeof kMagic, magic) ||
        magic != std::string_view(reinterpret_cast<const char*>(kMagic), sizeof kMagic))
        return false;
    while (!r.atEnd()) {
        unsigned char tag = 0;
        uint32_t n = 0;
        std::string_view section;
        if (!r.byte(tag) || !r.u32(n) || !r.bytes(n, section)) break;
        if (tag == kMessagesSection && !readMessages(section, messages_)) break;
        if (r.atEnd()) return true;
    }
    messages_.clear();
    return false;
}

bool Catalogue::loadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return load(bytes);
}

std::optional<std::string> Catalogue::find(std::string_view context, std::string_view source) const {
    const auto it = messages_.find(std::pair<std::string, std::string>(context, source));
    if (it == messages_.end()) return std::nullopt;
    return it->second;
}

std::string translationsDir() {
    namespace fs = std::filesystem;
    if (const char* env = std::getenv("ONDALAB_TRANSLATIONS"); env && *env) return env;
#ifdef ONDALAB_TRANSLATIONS_BUILT
    return ONDALAB_TRANSLATIONS_BUILT;  // the WebAssembly runner has no folder of its own
#endif
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    for (const fs::path& dir : {exe.parent_path() / "translations",
                                exe.parent_path().parent_path() / "share" / "ondalab" / "translations"})
        if (fs::is_directory(dir, ec)) return dir.string();
    return {};
}

std::string cataloguePath(const std::string& dir, std::string_view language) {
    return dir + "/ondalab_" + std::string(language) + ".qm";
}

std::string chooseLanguage(const std::vector<std::string>& preferred, const std::string& dir) {
    for (const auto& tag : preferred) {
        const std::string code = tag.substr(0, tag.find_first_of("-_."));
        if (code == kSourceLanguage) return code;
        if (!code.empty() && !dir.empty() && std::filesystem::exists(cataloguePath(dir, code))) return code;
    }
    return kSourceLanguage;
}

std::string compose(std::string_view pattern, const std::vector<std::string>& args) {
    std::string out;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const size_t n = static_cast<size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && n < args.size()) {
            out += args[n];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

}  // namespace ondalab
