#include "program_language.h"

#include <cstdlib>
#include <string_view>

namespace ui {

WORD TestLanguage() {
    const char* code = std::getenv("LUMIVO_TEST_LANGUAGE");
    const std::string_view language = code != nullptr ? code : "";
    if (language == "de") {
        return MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);
    }
    if (language == "fr") {
        return MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH);
    }
    if (language == "es") {
        return MAKELANGID(LANG_SPANISH, SUBLANG_SPANISH_MODERN);
    }
    return MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
}

bool IsEnglish(WORD language) {
    return PRIMARYLANGID(language) == LANG_ENGLISH;
}

ProgramResources::ProgramResources(const std::filesystem::path& program, WORD language)
    : module_(LoadLibraryExW(program.c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)),
      language_(language) {}

ProgramResources::~ProgramResources() {
    if (module_ != nullptr) {
        FreeLibrary(module_);
    }
}

std::wstring ProgramResources::Text(unsigned id) const {
    const HRSRC found =
        FindResourceExW(module_, MAKEINTRESOURCEW(6), MAKEINTRESOURCEW(id / 16 + 1), language_);
    const auto* entry = found != nullptr
                            ? static_cast<const WORD*>(LockResource(LoadResource(module_, found)))
                            : nullptr;
    if (entry == nullptr) {
        return {};
    }
    for (unsigned n = 0; n < id % 16; ++n) {
        entry += 1 + *entry;
    }
    return std::wstring(reinterpret_cast<const wchar_t*>(entry + 1), *entry);
}

std::vector<std::wstring> ProgramResources::MenuTexts(const wchar_t* name) const {
    const HRSRC found = FindResourceExW(module_, MAKEINTRESOURCEW(4), name, language_);
    const void* data = found != nullptr ? LockResource(LoadResource(module_, found)) : nullptr;
    const HMENU menu = data != nullptr ? LoadMenuIndirectW(data) : nullptr;
    if (menu == nullptr) {
        return {};
    }
    std::vector<std::wstring> texts = ui::MenuTexts(menu);
    DestroyMenu(menu);
    return texts;
}

std::vector<std::wstring> MenuTexts(HMENU menu) {
    std::vector<std::wstring> texts;
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        wchar_t text[256] = L"";
        if (GetMenuStringW(menu, position, text, 256, MF_BYPOSITION) > 0) {
            texts.emplace_back(text);
        }
        if (const HMENU popup = GetSubMenu(menu, position)) {
            const std::vector<std::wstring> inner = MenuTexts(popup);
            texts.insert(texts.end(), inner.begin(), inner.end());
        }
    }
    return texts;
}

}  // namespace ui
