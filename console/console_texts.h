#pragma once

#include <string>

// The Console's identity: its caption, the version it shows and the version the update check
// compares with the server's.
extern const std::string ConsoleCaption;         // "Lumivo Console"
extern const std::string ConsoleDisplayVersion;  // "v" and the version
extern const std::string ConsoleVersion;         // the version

// "Lumivo Console - vVERSION - " and the short Windows name, spaces trimmed at both ends: the main
// window's caption and the title of every message box of the Console.
std::string MainCaption(const std::string& windowsName);

// "Lumivo Console - vVERSION": the caption of the Console's smaller windows.
std::string ConsoleTitle();
