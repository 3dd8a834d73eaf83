#pragma once

#include <chrono>
#include <string>

// Small helpers on ANSI byte strings.

// The text without the leading and trailing characters that are in blanks.
std::string Trimmed(const std::string& text, const char* blanks);

// The text without leading and trailing spaces (tabs stay).
std::string TrimSpaces(const std::string& text);

// The text with 'a' to 'z' upper-cased and every other byte as it is. The texts this compares
// with ("NO", "YES", a version) are ASCII, and no byte outside ASCII upper-cases into ASCII in
// any ANSI code page, so the comparison comes out as with the system's upper-casing.
std::string UpperCaseAscii(std::string text);

// True when one of the command line's blank-separated words is the switch, in any letter case.
bool HasSwitch(const std::string& commandLine, const std::string& switchText);

// "YYYY-MM-DD HH:MM:SS": the calendar fields of a moment, as they are (no time-zone conversion,
// so a local time gives its local fields).
std::string DateTimeText(std::chrono::sys_seconds moment);
