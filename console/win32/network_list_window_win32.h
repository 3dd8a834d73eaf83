#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Shows the network names of the list text (one per CR LF-separated line) under the heading in a
// modal window owned by the main window, and returns when the user has closed it.
void ShowNetworkReport(HWND owner, const std::string& listText, const std::string& heading);

// Shows the lines in their order under the heading in a modal window owned by the main window, in
// a list the user can scroll both ways, and returns when the user has closed it.
void ShowRecordReport(HWND owner, const std::vector<std::string>& lines,
                      const std::string& heading);
