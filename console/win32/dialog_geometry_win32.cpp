#include "console/win32/dialog_geometry_win32.h"

#include "console/win32/dialog_font_win32.h"

DialogBaseUnits BaseUnitsOf(HWND dialog) {
    if (DialogBaseUnits rescaled; RescaledBaseUnits(dialog, rescaled)) {
        return rescaled;
    }
    // Four horizontal and eight vertical units are one base unit each way.
    RECT units{0, 0, 4, 8};
    MapDialogRect(dialog, &units);
    return DialogBaseUnits{units.right, units.bottom};
}

DialogSize ClientSizeOf(HWND dialog) {
    RECT client{};
    GetClientRect(dialog, &client);
    const DialogBaseUnits base = BaseUnitsOf(dialog);
    return DialogSize{HorizontalDialogUnits(client.right, base),
                      VerticalDialogUnits(client.bottom, base)};
}

DialogRect ControlRectOf(HWND dialog, HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return ToDialogUnits(PixelRectOf(rect), BaseUnitsOf(dialog));
}

void MoveControl(HWND dialog, HWND control, const DialogRect& place) {
    const PixelRect pixels = ToPixels(place, BaseUnitsOf(dialog));
    SetWindowPos(control, nullptr, pixels.left, pixels.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(control, nullptr, 0, 0, pixels.right - pixels.left, pixels.bottom - pixels.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(control, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

DialogRect ToDialogUnits(const PixelRect& pixels, const DialogBaseUnits& base) {
    return DialogRect{HorizontalDialogUnits(pixels.left, base),
                      VerticalDialogUnits(pixels.top, base),
                      HorizontalDialogUnits(pixels.right - pixels.left, base),
                      VerticalDialogUnits(pixels.bottom - pixels.top, base)};
}

PixelRect ToPixels(const DialogRect& units, const DialogBaseUnits& base) {
    const int left = HorizontalPixels(units.x, base);
    const int top = VerticalPixels(units.y, base);
    return PixelRect{left, top, left + HorizontalPixels(units.width, base),
                     top + VerticalPixels(units.height, base)};
}

PixelRect PixelRectOf(const RECT& rect) {
    return PixelRect{rect.left, rect.top, rect.right, rect.bottom};
}
