#include "common/platform/win32/resource_texts_win32.h"

#include <vector>

#include "common/platform/win32/ansi_text_win32.h"
#include "common/text/languages.h"

namespace {

// The resource types RT_MENU, RT_DIALOG and RT_STRING, in their UTF-16 spelling.
const wchar_t* const MenuType = MAKEINTRESOURCEW(4);
const wchar_t* const DialogType = MAKEINTRESOURCEW(5);
const wchar_t* const StringTableType = MAKEINTRESOURCEW(6);

std::vector<std::uint16_t> PreferredUiLanguages() {
    constexpr DWORD flags = MUI_LANGUAGE_ID | MUI_MERGE_USER_FALLBACK | MUI_MERGE_SYSTEM_FALLBACK;
    ULONG count = 0;
    ULONG size = 0;
    std::vector<std::uint16_t> languages;
    if (GetThreadPreferredUILanguages(flags, &count, nullptr, &size) && size > 0) {
        std::wstring list(size, L'\0');
        if (GetThreadPreferredUILanguages(flags, &count, list.data(), &size)) {
            for (const wchar_t* id = list.c_str(); *id != L'\0'; id += wcslen(id) + 1) {
                languages.push_back(static_cast<std::uint16_t>(wcstoul(id, nullptr, 16)));
            }
        }
    }
    languages.push_back(GetUserDefaultUILanguage());
    return languages;
}

}  // namespace

std::uint16_t UserLanguage() {
    return ChosenLanguage(PreferredUiLanguages());
}

ResourceTexts::ResourceTexts(std::uint16_t language)
    : module_(GetModuleHandleW(nullptr)), language_(language) {}

const void* ResourceTexts::Resource(const wchar_t* type, const wchar_t* name) const {
    for (const std::uint16_t language : {language_, EnglishLanguage}) {
        if (HRSRC found = FindResourceExW(module_, type, name, language)) {
            if (HGLOBAL loaded = LoadResource(module_, found)) {
                return LockResource(loaded);
            }
        }
    }
    return nullptr;
}

// A string table stores its texts in blocks of 16, each text a count and its UTF-16 units.
std::wstring ResourceTexts::WideText(unsigned id) const {
    const auto* entry = static_cast<const WORD*>(
        Resource(StringTableType, MAKEINTRESOURCEW(static_cast<WORD>(id / 16 + 1))));
    if (entry == nullptr) {
        return std::wstring();
    }
    for (unsigned n = 0; n < id % 16; ++n) {
        entry += 1 + *entry;
    }
    return std::wstring(reinterpret_cast<const wchar_t*>(entry + 1), *entry);
}

std::string ResourceTexts::Text(unsigned id) const {
    return WideToUtf8(WideText(id));
}

std::string ResourceTexts::FromAnsi(const std::string& ansi) const {
    return WideToUtf8(AnsiToWide(ansi));
}

std::string ResourceTexts::ToAnsi(const std::string& text) const {
    return WideToAnsiText(Utf8ToWide(text).c_str());
}

const DLGTEMPLATE* ResourceTexts::Dialog(const wchar_t* name) const {
    return static_cast<const DLGTEMPLATE*>(Resource(DialogType, name));
}

HMENU ResourceTexts::LoadMenu(const wchar_t* name) const {
    const void* menu = Resource(MenuType, name);
    return menu != nullptr ? LoadMenuIndirectW(menu) : nullptr;
}

HMENU ResourceTexts::LoadPopupMenu(const wchar_t* name) const {
    const HMENU menu = LoadMenu(name);
    if (menu == nullptr) {
        return nullptr;
    }
    const HMENU popup = GetSubMenu(menu, 0);
    RemoveMenu(menu, 0, MF_BYPOSITION);
    DestroyMenu(menu);
    return popup;
}

const ResourceTexts& ProgramTexts() {
    // Never destroyed before the threads that may still show a text at the program's end.
    static const ResourceTexts texts(UserLanguage());
    return texts;
}

INT_PTR ShowProgramDialog(HWND owner, int id, DLGPROC procedure, LPARAM parameter) {
    const DLGTEMPLATE* dialog = ProgramTexts().Dialog(MAKEINTRESOURCEW(id));
    if (dialog == nullptr) {
        return -1;
    }
    return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog, owner, procedure, parameter);
}
