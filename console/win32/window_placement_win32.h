#pragma once

#include <windows.h>

#include "common/platform/registry.h"

// Gives the main window the stored outer size, then the stored place, both kept in dialog
// units. With nothing stored it keeps its creation size and centring; a place that lies wholly
// off every monitor's work area is brought into view.
void RestoreWindowGeometry(HWND window, Registry& registry);

// Stores the window's outer place and size in dialog units; a minimised or maximised window
// stores the place and size it returns to.
void SaveWindowGeometry(HWND window, Registry& registry);
