#include "common/platform/win32/system_metrics_win32.h"

#include <windows.h>

int Win32SystemMetrics::GetSystemMetrics(int index) {
    return ::GetSystemMetrics(index);
}
