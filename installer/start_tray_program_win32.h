#pragma once

#include <string>

// Starts the installed tray program from the installation's folder, as a hand-over and as the
// user who runs the installer, unless the user has switched the icon off ("SystemTray").
void StartInstalledTrayProgram(const std::wstring& folder);
