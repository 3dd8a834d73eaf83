#pragma once

// Who the tray program is. Its update prompt is titled with TrayTitle, which ends in its display
// version, and the update check compares the server's version text with TrayProgramVersion.
inline constexpr char TrayProgramVersion[] = "1.15";
inline constexpr char TrayTitle[] = "Lumivo Tray - v1.15";
