#pragma once

#include <functional>
#include <string>

#include "common/platform/version_queries.h"

// The name of a Windows version, from the first row of the name table that the record matches.
std::string WindowsNameOf(const WindowsVersionRecord& record);

// The name with the build number. Windows 10 and 11 workstations name their "DisplayVersion"
// too; readDisplayVersion is asked for it only then.
std::string WindowsNameWithBuildOf(const WindowsVersionRecord& record,
                                   const std::function<std::string()>& readDisplayVersion);
