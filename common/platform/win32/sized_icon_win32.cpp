#include "common/platform/win32/sized_icon_win32.h"

UINT SystemDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi);
}

UniqueIcon LoadSizedIcon(HINSTANCE instance, const char* name, int metric, UINT dpi) {
    // The metrics answer for the system's DPI; a screen of another scale scales them alike.
    const int pixels =
        MulDiv(GetSystemMetrics(metric), static_cast<int>(dpi), static_cast<int>(SystemDpi()));
    return UniqueIcon(
        static_cast<HICON>(LoadImageA(instance, name, IMAGE_ICON, pixels, pixels, 0)));
}
