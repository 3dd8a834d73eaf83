#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

namespace ui {

// The language a test run is held in: LUMIVO_TEST_LANGUAGE ("de", "fr", "es", as
// tests/support/in-languages sets it beside LC_ALL) as a Windows language identifier; English
// when it is not set.
WORD TestLanguage();
bool IsEnglish(WORD language);

// A program file's resources of one language, read as data: what the program should show when
// it speaks that language.
class ProgramResources {
public:
    ProgramResources(const std::filesystem::path& program, WORD language);
    ProgramResources(const ProgramResources&) = delete;
    ProgramResources& operator=(const ProgramResources&) = delete;
    ~ProgramResources();

    // A text of the string table.
    std::wstring Text(unsigned id) const;
    // The texts of a menu's items, depth first: each popup, then its items (separators left out).
    std::vector<std::wstring> MenuTexts(const wchar_t* name) const;

    HMODULE Module() const { return module_; }

private:
    HMODULE module_;
    WORD language_;
};

// The texts of a menu's items as a window shows them, in the order of ProgramResources::MenuTexts.
std::vector<std::wstring> MenuTexts(HMENU menu);

}  // namespace ui
