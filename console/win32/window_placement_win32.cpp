#include "console/win32/window_placement_win32.h"

#include <vector>

#include "common/settings/window_placement.h"
#include "console/window_geometry.h"
#include "console/win32/dialog_font_win32.h"
#include "console/win32/dialog_geometry_win32.h"
#include "console/win32/window_dpi_win32.h"

namespace {

BOOL CALLBACK CollectWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info)) {
        reinterpret_cast<std::vector<PixelRect>*>(areas)->push_back(PixelRectOf(info.rcWork));
    }
    return TRUE;
}

std::vector<PixelRect> WorkAreas() {
    std::vector<PixelRect> areas;
    EnumDisplayMonitors(nullptr, nullptr, CollectWorkArea, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

// The window's outer rectangle on screen, or for a minimised or maximised window the one it
// returns to. That one comes in workspace coordinates, which start at the work area's corner.
PixelRect RestoredWindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    if (!IsIconic(window) && !IsZoomed(window)) {
        return PixelRectOf(rect);
    }
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(window, &placement)) {
        return PixelRectOf(rect);
    }
    rect = placement.rcNormalPosition;
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(MonitorFromRect(&rect, MONITOR_DEFAULTTOPRIMARY), &info)) {
        OffsetRect(&rect, info.rcWork.left - info.rcMonitor.left,
                   info.rcWork.top - info.rcMonitor.top);
    }
    return PixelRectOf(rect);
}

struct ScreenSearch {
    HWND window;
    std::vector<ScaledScreen> screens;
};

BOOL CALLBACK CollectScreen(HMONITOR monitor, HDC, LPRECT, LPARAM search) {
    auto& found = *reinterpret_cast<ScreenSearch*>(search);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(monitor, &info)) {
        return TRUE;
    }
    const UINT dpi = MonitorDpi(monitor);
    const ScaledScreen screen{PixelRectOf(info.rcMonitor), dpi == DialogDpi(found.window)
                                                               ? BaseUnitsOf(found.window)
                                                               : BaseUnitsAtDpi(found.window, dpi)};
    // The primary screen first: its units are read when the stored place is on no screen.
    if (info.dwFlags & MONITORINFOF_PRIMARY) {
        found.screens.insert(found.screens.begin(), screen);
    } else {
        found.screens.push_back(screen);
    }
    return TRUE;
}

// Every screen with the units of the window's font at its scale.
std::vector<ScaledScreen> ScaledScreens(HWND window) {
    ScreenSearch search{window, {}};
    EnumDisplayMonitors(nullptr, nullptr, CollectScreen, reinterpret_cast<LPARAM>(&search));
    return search.screens;
}

}  // namespace

void RestoreWindowGeometry(HWND window, Registry& registry) {
    const auto geometry = GeometryToRestore(ReadWindowPlacement(registry));
    if (!geometry) {
        return;
    }
    // The place in the units of the screen it lies on; the size in those of the window's
    // present scale, as moving to a screen of another scale tells the window its new DPI and
    // the window then rescales itself.
    const PixelRect wanted = StoredGeometryInPixels(*geometry, ScaledScreens(window));
    const PixelRect sizeHere = ToPixels(*geometry, BaseUnitsOf(window));
    SetWindowPos(window, nullptr, 0, 0, sizeHere.right - sizeHere.left,
                 sizeHere.bottom - sizeHere.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The size the window took, which the system may have raised to its smallest.
    RECT sized{};
    GetWindowRect(window, &sized);
    const PixelRect place =
        BroughtIntoView(PixelRect{wanted.left, wanted.top, wanted.left + (sized.right - sized.left),
                                  wanted.top + (sized.bottom - sized.top)},
                        WorkAreas());
    SetWindowPos(window, nullptr, place.left, place.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SaveWindowGeometry(HWND window, Registry& registry) {
    SaveWindowPlacement(registry, ToDialogUnits(RestoredWindowRect(window), BaseUnitsOf(window)));
}
