#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Shows the network names of the list text (one per CR LF-separated line, stored names) under
// the heading (a text identifier) in a modal window owned by the main window, and returns when
// the user has closed it.
void ShowNetworkReport(HWND owner, const std::string& listText, unsigned heading);

// Shows the Manager's record, its lines (UTF-8) in their order, in a modal window owned by the
// main window, in a list the user can scroll both ways, and returns when the user has closed it.
void ShowRecordReport(HWND owner, const std::vector<std::string>& lines);
