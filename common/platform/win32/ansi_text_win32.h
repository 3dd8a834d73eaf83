#pragma once

#include <string>

// The system ANSI code page text as UTF-16, for the W forms of Windows calls.
std::wstring AnsiToWide(const std::string& text);

// A zero-terminated UTF-16 text from a W form of a Windows call, in the system ANSI code page.
std::string WideToAnsiText(const wchar_t* text);

// UTF-8, the form of the programs' texts, as UTF-16 for the W forms of Windows calls, and back.
std::wstring Utf8ToWide(const std::string& text);
std::string WideToUtf8(const std::wstring& text);
