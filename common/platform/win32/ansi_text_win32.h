#pragma once

#include <string>

// The system ANSI code page text as UTF-16, for the W forms of Windows calls.
std::wstring AnsiToWide(const std::string& text);
