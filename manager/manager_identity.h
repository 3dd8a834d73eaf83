#pragma once

#include <string>

// Who the Manager is: the texts of its title and the version its update check compares.
inline constexpr char ManagerDisplayName[] = "Lumivo Manager";
inline constexpr char ManagerVersionLabel[] = "v1.19";
inline constexpr char ManagerProgramVersion[] = "1.19";

// "Lumivo Manager - v1.19", the title of the Manager's update question.
inline std::string ManagerProgramTitle() {
    return std::string(ManagerDisplayName) + " - " + ManagerVersionLabel;
}
