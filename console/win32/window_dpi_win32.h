#pragma once

#include <windows.h>

// The effective DPI of a monitor: GetDpiForMonitor from Windows 8.1 on; before, every monitor
// has the system's.
UINT MonitorDpi(HMONITOR monitor);

// The DPI of a window: GetDpiForWindow from Windows 10 (1607) on; before, that of the monitor it
// is on. It follows docking and a change of scale without signing out, which the system's DPI
// of sign-in does not.
UINT WindowDpi(HWND window);
