#pragma once

#include <string>

#include "common/platform/texts.h"

// The English string table, in use in every test binary from its start.
class EnglishTexts : public TextSource {
public:
    std::string Text(unsigned id) const override;
    std::string FromAnsi(const std::string& ansi) const override;
    std::string ToAnsi(const std::string& text) const override;
};
