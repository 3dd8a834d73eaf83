#include "common/text/languages.h"

#include <array>

namespace {

struct Language {
    std::uint16_t id;
    const char* helpSuffix;
};

constexpr std::array<Language, 4> Spoken = {{
    {EnglishLanguage, ""},
    {GermanLanguage, ".de"},
    {FrenchLanguage, ".fr"},
    {SpanishLanguage, ".es"},
}};

constexpr std::uint16_t PrimaryLanguage(std::uint16_t language) {
    return language & 0x3FF;
}

}  // namespace

std::uint16_t ChosenLanguage(const std::vector<std::uint16_t>& preferredLanguages) {
    for (const std::uint16_t preferred : preferredLanguages) {
        for (const Language& spoken : Spoken) {
            if (PrimaryLanguage(spoken.id) == PrimaryLanguage(preferred)) {
                return spoken.id;
            }
        }
    }
    return EnglishLanguage;
}

const char* HelpFileSuffix(std::uint16_t language) {
    for (const Language& spoken : Spoken) {
        if (spoken.id == language) {
            return spoken.helpSuffix;
        }
    }
    return "";
}
