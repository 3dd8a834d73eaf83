#pragma once

#include <windows.h>

#include <string>

#include "console/win32/console_platform_win32.h"

// The main window's menu bar and its commands, the two management options, "OK" and "Cancel".

// Builds the Help menu, attaches it to the window and checks its option items as stored.
void AttachMenuBar(HWND window, ConsolePlatform& platform);

// Handles a command of the menu bar, of the option buttons 1010 and 1011, of "OK" (1009) or of
// "Cancel" (1008); any other id does nothing. Message boxes are titled with the main caption.
void HandleMainCommand(HWND window, int id, int notification, ConsolePlatform& platform,
                       const std::string& mainCaption);
