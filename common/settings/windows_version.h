#pragma once

#include <string>

#include "common/platform/registry.h"
#include "common/platform/version_queries.h"

// Facts about the running Windows. None of them fails: a query that does not answer leaves the
// version at 0.0, which names "Windows version unknown".

// True from version 6.2 on. Without a supported-versions manifest Windows reports 6.2 to the
// plain query on every later version, so this passes from Windows 8 on and fails before it.
bool IsWindows8OrLater(VersionQueries& versions);

// The version record with the true version: the plain query, corrected by RtlGetVersion when
// that query reports 6.2 (as it does on Windows 8.1, 10 and 11 too).
WindowsVersionRecord CurrentWindowsVersion(VersionQueries& versions);

// The short name, such as "Windows 8.1" or "Windows 11".
std::string WindowsName(VersionQueries& versions);

// The name with the build number, such as "Windows 8.1 (OS Build 9600)" or, with the
// "DisplayVersion" of Windows 10 and 11, "Windows 11 Version 23H2 (OS Build 22631)".
std::string WindowsNameWithBuild(VersionQueries& versions, Registry& registry);

// True when the system's processor architecture is 64-bit x86 (or Itanium, on systems that only
// know GetSystemInfo). ARM64 does not count.
bool Is64BitWindows(VersionQueries& versions);

// True when the product type is not workstation: a server or a domain controller.
bool IsWindowsServer(VersionQueries& versions);
