#pragma once

#include <string>

#include "lumivo_version.h"

// Who the Manager is: the texts of its title and the version its update check compares.
inline constexpr char ManagerDisplayName[] = "Lumivo Manager";
inline constexpr char ManagerVersionLabel[] = "v" LUMIVO_VERSION;
inline constexpr char ManagerProgramVersion[] = LUMIVO_VERSION;

// "Lumivo Manager - v" and the version, title of the Manager's update question.
inline std::string ManagerProgramTitle() {
    return std::string(ManagerDisplayName) + " - " + ManagerVersionLabel;
}
