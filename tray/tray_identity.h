#pragma once

#include "lumivo_version.h"

// Who the tray program is. Its update prompt is titled with TrayTitle, which ends in its display
// version, and the update check compares the server's version text with TrayProgramVersion.
inline constexpr char TrayProgramVersion[] = LUMIVO_TRAY_VERSION;
inline constexpr char TrayTitle[] = "Lumivo Tray - v" LUMIVO_TRAY_VERSION;
