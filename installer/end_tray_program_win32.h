#pragma once

// Ends every tray program of this session (a process whose image is LMVTray.exe) the way its
// "Exit Lumivo Tray" command does, so the icon leaves the notification area and LMVTray.exe is no
// longer in use. False when none was running.
bool EndTrayProgram();
