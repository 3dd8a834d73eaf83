#include "tests/support/fakes/english_texts.h"

#include <map>

#include "common/text/texts.h"

namespace {

const std::map<unsigned, std::string> EnglishTable = {
#include "english_texts.inc"
};

// Every test binary speaks English unless a test says otherwise.
const bool englishInUse = [] {
    static const EnglishTexts english;
    UseTextSource(english);
    return true;
}();

}  // namespace

std::string EnglishTexts::Text(unsigned id) const {
    const auto found = EnglishTable.find(id);
    return found != EnglishTable.end() ? found->second : std::string();
}

// The tests' ANSI code page is Latin-1, which matches Windows-1252 on every letter the tests use.
std::string EnglishTexts::FromAnsi(const std::string& ansi) const {
    std::string text;
    for (const char c : ansi) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xC0 | byte >> 6);
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

std::string EnglishTexts::ToAnsi(const std::string& text) const {
    std::string ansi;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            ansi += text[i];
        } else if ((byte & 0xFE) == 0xC2 && i + 1 < text.size()) {
            ansi += static_cast<char>((byte & 0x03) << 6 | (text[++i] & 0x3F));
        } else if ((byte & 0xC0) != 0x80) {
            ansi += '?';
        }
    }
    return ansi;
}
