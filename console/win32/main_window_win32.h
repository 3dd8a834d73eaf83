#pragma once

#include <string>

#include "console/win32/console_platform_win32.h"

// Shows the Console's main window with the given caption, and the last run's record over it at
// once when showLastRun, and returns when it has closed: true when "OK" closed it. The window
// geometry is stored whichever way it closes.
bool RunMainWindow(ConsolePlatform& platform, const std::string& caption, bool showLastRun);
