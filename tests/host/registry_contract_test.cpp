// The registry contract against the in-memory registry, which must also close every key that
// the layers above open.
#include "support/fakes/in_memory_registry.h"
#include "support/registry_contract.h"
#include "support/settings_store_contract.h"

namespace registry_contract {

class InMemoryBackend {
public:
    // A fresh Windows profile has the key that holds LegacyDefaultPrinterMode.
    InMemoryBackend() { Create(registry_, WindowsSubKey); }

    Registry& registry() { return registry_; }
    void Verify() { EXPECT_EQ(registry_.OpenKeyCount(), 0u) << "registry keys left open"; }

private:
    InMemoryRegistry registry_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(InMemory, RegistrySeamContract, InMemoryBackend);
INSTANTIATE_TYPED_TEST_SUITE_P(InMemory, RegistryAccessContract, InMemoryBackend);
INSTANTIATE_TYPED_TEST_SUITE_P(InMemory, SettingsStoreContract, InMemoryBackend);

}  // namespace registry_contract
