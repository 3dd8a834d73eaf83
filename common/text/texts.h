#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "common/platform/texts.h"
#include "common/resources/text_ids.h"

// The texts a user reads, in the language chosen at the program's start. Every program names its
// text source once, before anything is shown or written.
void UseTextSource(const TextSource& source);

// The text of the identifier, UTF-8.
std::string Text(unsigned id);

// The text with its placeholders %1 to %9 replaced by the arguments (UTF-8) and %% by %, so that
// each language puts the names where its sentence needs them.
std::string Text(unsigned id, std::initializer_list<std::string> arguments);
std::string FormatText(const std::string& pattern, std::initializer_list<std::string> arguments);

// "1 second" or "2 seconds": the text of `one` or of `many`, with the count as %1.
std::string CountedText(std::uint64_t count, unsigned one, unsigned many);

// A stored (ANSI) text, such as a network or printer name, as it joins a text that is shown.
std::string ShownText(const std::string& ansi);

// A text as it is stored in the registry: ANSI.
std::string StoredText(const std::string& text);

// The same for each of several lines, such as a REG_MULTI_SZ value's.
std::vector<std::string> ShownTexts(const std::vector<std::string>& ansiLines);
std::vector<std::string> StoredTexts(const std::vector<std::string>& lines);

// The characters (code points) of a UTF-8 text; the shell and the windows count UTF-16 units,
// which are the same for every letter of the languages here.
std::size_t TextLength(const std::string& text);

// The text's first `count` characters, never cutting one in two.
std::string TextPrefix(const std::string& text, std::size_t count);
