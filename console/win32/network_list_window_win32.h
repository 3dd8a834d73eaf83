#pragma once

#include <windows.h>

#include <string>

// Shows the network names of the list text (one per CR LF-separated line) under the heading in a
// modal window owned by the main window, and returns when the user has closed it.
void ShowNetworkReport(HWND owner, const std::string& listText, const std::string& heading);
