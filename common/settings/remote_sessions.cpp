#include "common/settings/remote_sessions.h"

#include <cstdint>

#include "common/settings/registry_access.h"

bool AppliesInThisSession(SystemMetrics& metrics, Registry& registry) {
    if (metrics.GetSystemMetrics(SmRemoteSession) == 0) {
        return true;
    }
    std::uint32_t applyInRemoteSessions = 0;
    ReadRegistryDword(registry, PoliciesKeyPath, ApplyInRemoteSessionsValueName,
                      applyInRemoteSessions);
    return applyInRemoteSessions == 1;
}
