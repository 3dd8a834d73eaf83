#pragma once

#include <windows.h>

#include "common/platform/win32/unique_handles_win32.h"

// The icon resource at the size Windows gives icons of the metric (SM_CXICON for the large one,
// SM_CXSMICON for the small one of captions and the notification area) at a screen's DPI. The
// resource's own image of that size when it has one; otherwise its nearest image, scaled.
UniqueIcon LoadSizedIcon(HINSTANCE instance, const char* name, int metric, UINT dpi);

// The DPI at which the process was started: the one the system metrics answer for.
UINT SystemDpi();
