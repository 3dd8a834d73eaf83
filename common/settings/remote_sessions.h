#pragma once

#include "common/platform/registry.h"
#include "common/platform/system_metrics.h"

// The organization's policy key, which only IT writes; Lumivo reads it.
inline constexpr char PoliciesKeyPath[] = "HKEY_CURRENT_USER\\Software\\Policies\\Lumivo Mapper";
// In the policies key, REG_DWORD: 1 lets Lumivo set printers in remote sessions too.
inline constexpr char ApplyInRemoteSessionsValueName[] = "ApplyInRemoteSessions";

// True when Lumivo may set printers in this session: always in a local one; in a remote session,
// whose printers the remote client redirects and chooses the default of, only when the policy
// ApplyInRemoteSessions is 1.
bool AppliesInThisSession(SystemMetrics& metrics, Registry& registry);
