#pragma once

#include "common/platform/registry.h"
#include "common/platform/system_metrics.h"
#include "common/settings/policy_keys.h"

// True when Lumivo may set printers in this session: always in a local one; in a remote session,
// whose printers the remote client redirects and chooses the default of, only when the policy
// ApplyInRemoteSessions is 1.
bool AppliesInThisSession(SystemMetrics& metrics, Registry& registry);
