#include "common/platform/win32/ansi_text_win32.h"

#include <windows.h>

namespace {

std::wstring ToWide(unsigned codePage, const std::string& text) {
    const int length = static_cast<int>(text.size());
    const int wideLength = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    if (wideLength <= 0) {
        return std::wstring();
    }
    std::wstring wide(static_cast<size_t>(wideLength), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), wideLength);
    return wide;
}

std::string FromWide(unsigned codePage, const std::wstring& wide) {
    const int length = static_cast<int>(wide.size());
    const int size =
        WideCharToMultiByte(codePage, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) {
        return std::string();
    }
    std::string text(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), length, text.data(), size, nullptr, nullptr);
    return text;
}

}  // namespace

std::wstring AnsiToWide(const std::string& text) {
    return ToWide(CP_ACP, text);
}

std::string WideToAnsiText(const wchar_t* text) {
    return FromWide(CP_ACP, text);
}

std::wstring Utf8ToWide(const std::string& text) {
    return ToWide(CP_UTF8, text);
}

std::string WideToUtf8(const std::wstring& text) {
    return FromWide(CP_UTF8, text);
}
