#pragma once

#include <string>

// Where the programs' texts come from: the string tables of the language the user reads, by
// the identifiers of common/resources/text_ids.h. Texts are UTF-8. Stored texts (names read from
// the registry or the spooler, values written back) are ANSI, and only Windows knows the ANSI
// code page, so the two conversions between the forms come from here too.
class TextSource {
public:
    virtual ~TextSource() = default;

    virtual std::string Text(unsigned id) const = 0;
    virtual std::string FromAnsi(const std::string& ansi) const = 0;
    virtual std::string ToAnsi(const std::string& text) const = 0;
};
