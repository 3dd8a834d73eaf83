#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "common/platform/texts.h"

// The user's language, chosen once at the program's start from the thread's preferred UI
// languages and their fallbacks.
std::uint16_t UserLanguage();

// The string tables, dialogs and menus of one language in the program's own resources. Each is
// looked up under exactly that language, so that Windows' own choice among the resources (which
// differs between versions and Wine) plays no part; English stands in for anything missing.
class ResourceTexts : public TextSource {
public:
    explicit ResourceTexts(std::uint16_t language);

    std::uint16_t Language() const { return language_; }

    std::string Text(unsigned id) const override;
    std::string FromAnsi(const std::string& ansi) const override;
    std::string ToAnsi(const std::string& text) const override;

    std::wstring WideText(unsigned id) const;
    const DLGTEMPLATE* Dialog(const wchar_t* name) const;
    HMENU LoadMenu(const wchar_t* name) const;
    // The menu's first popup, taken out of it: the caller owns it.
    HMENU LoadPopupMenu(const wchar_t* name) const;

private:
    const void* Resource(const wchar_t* type, const wchar_t* name) const;

    HMODULE module_;
    std::uint16_t language_;
};

// The program's texts, dialogs and menus, in the user's language.
const ResourceTexts& ProgramTexts();

// A modal dialog of the program's language (DialogBoxIndirectParamW, so that its texts are
// UTF-16 whatever the ANSI code page); -1 when the program has no such dialog.
INT_PTR ShowProgramDialog(HWND owner, int id, DLGPROC procedure, LPARAM parameter = 0);
