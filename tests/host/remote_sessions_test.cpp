// Whether Lumivo sets printers in this session: local sessions always, remote ones by policy.
#include <gtest/gtest.h>

#include "common/settings/registry_access.h"
#include "common/settings/remote_sessions.h"
#include "tests/support/fakes/in_memory_registry.h"
#include "tests/support/fakes/scripted_system_metrics.h"

namespace {

TEST(RemoteSessions, OnlyThePolicyValueOneAppliesThere) {
    InMemoryRegistry registry;
    ScriptedSystemMetrics metrics;
    EXPECT_TRUE(AppliesInThisSession(metrics, registry));
    metrics.remoteSession = 1;
    EXPECT_FALSE(AppliesInThisSession(metrics, registry));
    ASSERT_TRUE(CreateRegistryKey(registry, PoliciesKeyPath));
    for (std::uint32_t value : {0u, 2u, 1u}) {
        WriteRegistryDword(registry, PoliciesKeyPath, ApplyInRemoteSessionsValueName, value);
        EXPECT_EQ(AppliesInThisSession(metrics, registry), value == 1) << value;
    }
    // A text "1" is not the policy's DWORD.
    WriteRegistryText(registry, PoliciesKeyPath, ApplyInRemoteSessionsValueName, "1");
    EXPECT_FALSE(AppliesInThisSession(metrics, registry));
    metrics.remoteSession = 0;
    WriteRegistryDword(registry, PoliciesKeyPath, ApplyInRemoteSessionsValueName, 0);
    EXPECT_TRUE(AppliesInThisSession(metrics, registry));
}

}  // namespace
