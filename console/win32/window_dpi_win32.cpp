#include "console/win32/window_dpi_win32.h"

#include "common/platform/win32/sized_icon_win32.h"
#include "common/platform/win32/system_library_win32.h"
#include "common/platform/win32/unique_handles_win32.h"

namespace {

// A function of a system DLL that older Windows lack, or nullptr.
template <typename Function>
Function SystemFunction(HMODULE library, const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(library != nullptr ? GetProcAddress(library, name) : nullptr));
}

}  // namespace

UINT MonitorDpi(HMONITOR monitor) {
    const UniqueLibrary shcore = LoadSystemLibrary(L"shcore.dll");
    using DpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    const auto dpiForMonitor = SystemFunction<DpiForMonitor>(shcore.get(), "GetDpiForMonitor");
    constexpr int EffectiveDpi = 0;
    UINT x = 0;
    UINT y = 0;
    if (dpiForMonitor != nullptr && dpiForMonitor(monitor, EffectiveDpi, &x, &y) == S_OK) {
        return y;
    }
    return SystemDpi();
}

UINT WindowDpi(HWND window) {
    using DpiForWindow = UINT(WINAPI*)(HWND);
    const auto dpiForWindow =
        SystemFunction<DpiForWindow>(GetModuleHandleA("user32.dll"), "GetDpiForWindow");
    if (const UINT dpi = dpiForWindow != nullptr ? dpiForWindow(window) : 0; dpi != 0) {
        return dpi;
    }
    return MonitorDpi(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}
