#pragma once

#include <windows.h>

// The About box (dialog 101). Only its "&OK" button or Enter closes it: it has no system menu and
// ignores Escape, so several can stay open side by side.
INT_PTR CALLBACK TrayAboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
