#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "common/platform/registry.h"

// A registry held in memory that answers as Windows does where a caller can tell: key and value
// names match without regard to ASCII case, "\\" separates keys (repeated and trailing ones are
// ignored, a leading one is a bad path), a missing key or value is ErrorFileNotFound, a query
// with too little room is ErrorMoreData and fills nothing, a key with subkeys cannot be
// deleted, values are listed in the order they were first stored and by the name they were first
// stored with, the rights a key was opened with are enforced, and a handle to a deleted key answers
// ErrorKeyDeleted. Every root key exists and starts empty.
//
// A root can be made read-only, as HKEY_LOCAL_MACHINE is for a user without administrator
// rights: opening a key there for anything but reading is denied, and creating a key only opens
// one that exists, for reading.
class InMemoryRegistry final : public Registry {
public:
    InMemoryRegistry();
    ~InMemoryRegistry() override;

    RegistryStatus OpenKey(RootKey root, const std::string& subKey, std::uint32_t access,
                           RegistryHandle& key) override;
    RegistryStatus CreateKey(RootKey root, const std::string& subKey, RegistryHandle& key) override;
    RegistryStatus QueryValue(RegistryHandle key, const std::string& valueName, std::uint32_t* type,
                              std::uint8_t* data, std::uint32_t* size) override;
    RegistryStatus SetValue(RegistryHandle key, const std::string& valueName, std::uint32_t type,
                            const std::uint8_t* data, std::uint32_t size) override;
    RegistryStatus EnumValue(RegistryHandle key, std::uint32_t index, char* name,
                             std::uint32_t* nameSize, std::uint32_t* type, std::uint8_t* data,
                             std::uint32_t* dataSize) override;
    RegistryStatus DeleteKey(RootKey root, const std::string& subKey) override;
    RegistryStatus CloseKey(RegistryHandle key) override;

    void MakeReadOnly(RootKey root);

    // Writes (key creations, value stores, key deletions) so far, and how many more are taken:
    // past that every write is denied, as if the writer had been stopped there.
    std::size_t writesDone = 0;
    std::size_t writesLeft = SIZE_MAX;

    // Handles handed out and not yet closed.
    std::size_t OpenKeyCount() const { return handles_.size(); }

private:
    struct Node;
    struct Handle {
        std::shared_ptr<Node> node;
        std::uint32_t access = 0;
    };

    bool TakeWrite();
    std::shared_ptr<Node> Root(RootKey root) const;
    RegistryStatus Find(RootKey root, const std::string& subKey, bool create,
                        std::shared_ptr<Node>& found, std::shared_ptr<Node>* parent,
                        std::string* leafName);
    RegistryHandle Hand(std::shared_ptr<Node> node, std::uint32_t access);

    std::map<RootKey, std::shared_ptr<Node>> roots_;
    std::set<RootKey> readOnlyRoots_;
    std::map<RegistryHandle, Handle> handles_;
    RegistryHandle nextHandle_ = 0x1000;
};
