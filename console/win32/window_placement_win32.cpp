#include "console/win32/window_placement_win32.h"

#include <vector>

#include "common/settings/window_placement.h"
#include "console/window_geometry.h"
#include "console/win32/dialog_geometry_win32.h"

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

}  // namespace

void RestoreWindowGeometry(HWND window, Registry& registry) {
    const WindowPlacement stored = ReadWindowPlacement(registry);
    const auto geometry =
        GeometryToRestore(StoredGeometry{stored.left, stored.top, stored.width, stored.height});
    if (!geometry) {
        return;
    }
    const PixelRect wanted = ToPixels(*geometry, BaseUnitsOf(window));
    SetWindowPos(window, nullptr, 0, 0, wanted.right - wanted.left, wanted.bottom - wanted.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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
    const DialogRect units = ToDialogUnits(RestoredWindowRect(window), BaseUnitsOf(window));
    SaveWindowPlacement(registry, WindowPlacement{units.x, units.y, units.width, units.height});
}
