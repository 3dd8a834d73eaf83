#pragma once

#include <cstdint>
#include <vector>

// The languages the programs speak, as Windows language identifiers: the string tables, dialogs
// and menus of each are stored under exactly these.
inline constexpr std::uint16_t EnglishLanguage = 0x0409;
inline constexpr std::uint16_t GermanLanguage = 0x0407;
inline constexpr std::uint16_t FrenchLanguage = 0x040C;
inline constexpr std::uint16_t SpanishLanguage = 0x0C0A;

// The language to speak to a user whose UI languages are these, in Windows' order of preference
// (the thread's UI language first, then its fallbacks): the first one whose primary language the
// programs speak, so Austrian German gets German and Mexican Spanish Spanish; English when none.
std::uint16_t ChosenLanguage(const std::vector<std::uint16_t>& preferredLanguages);

// The suffix of the language's help file: "" for English ("Lumivo.chm"), ".de" for German
// ("Lumivo.de.chm"), ".fr", ".es".
const char* HelpFileSuffix(std::uint16_t language);
