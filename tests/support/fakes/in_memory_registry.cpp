#include "support/fakes/in_memory_registry.h"

#include <algorithm>
#include <vector>

namespace {

// Access bits that a query and a set need, as part of KEY_READ and KEY_WRITE.
constexpr std::uint32_t KeyQueryValue = 0x0001;
constexpr std::uint32_t KeySetValue = 0x0002;
constexpr std::uint32_t AllAccess = 0xF003F;

// Names are compared as Windows compares them for ASCII letters; the text up to a NUL is all
// that a C string carries.
std::string Folded(const std::string& name) {
    std::string folded(name.c_str());
    std::transform(folded.begin(), folded.end(), folded.begin(), [](char c) {
        return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return folded;
}

std::vector<std::string> PathComponents(const std::string& subKey) {
    std::vector<std::string> components;
    std::string current;
    for (const char c : std::string(subKey.c_str())) {
        if (c == '\\') {
            if (!current.empty()) {
                components.push_back(Folded(current));
            }
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) {
        components.push_back(Folded(current));
    }
    return components;
}

}  // namespace

struct InMemoryRegistry::Node {
    struct Value {
        std::string name;
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
    };
    std::map<std::string, std::shared_ptr<Node>> subKeys;
    std::map<std::string, Value> values;
    // The folded names of the values in the order they were first stored.
    std::vector<std::string> valueOrder;
    bool deleted = false;
};

InMemoryRegistry::InMemoryRegistry() {
    for (const RootKey root :
         {RootKey::ClassesRoot, RootKey::CurrentUser, RootKey::LocalMachine, RootKey::Users,
          RootKey::PerformanceData, RootKey::CurrentConfig, RootKey::DynData}) {
        roots_[root] = std::make_shared<Node>();
    }
}

InMemoryRegistry::~InMemoryRegistry() = default;

void InMemoryRegistry::MakeReadOnly(RootKey root) {
    readOnlyRoots_.insert(root);
}

std::shared_ptr<InMemoryRegistry::Node> InMemoryRegistry::Root(RootKey root) const {
    const auto found = roots_.find(root);
    return found == roots_.end() ? nullptr : found->second;
}

RegistryStatus InMemoryRegistry::Find(RootKey root, const std::string& subKey, bool create,
                                      std::shared_ptr<Node>& found, std::shared_ptr<Node>* parent,
                                      std::string* leafName) {
    std::shared_ptr<Node> node = Root(root);
    if (!node) {
        return ErrorInvalidHandle;
    }
    if (subKey.c_str()[0] == '\\') {
        return ErrorBadPathname;
    }
    for (const std::string& name : PathComponents(subKey)) {
        auto next = node->subKeys.find(name);
        if (next == node->subKeys.end()) {
            if (!create) {
                return ErrorFileNotFound;
            }
            next = node->subKeys.emplace(name, std::make_shared<Node>()).first;
        }
        if (parent != nullptr) {
            *parent = node;
        }
        if (leafName != nullptr) {
            *leafName = name;
        }
        node = next->second;
    }
    found = node;
    return ErrorSuccess;
}

RegistryHandle InMemoryRegistry::Hand(std::shared_ptr<Node> node, std::uint32_t access) {
    const RegistryHandle handle = nextHandle_;
    nextHandle_ += 4;
    handles_[handle] = Handle{std::move(node), access};
    return handle;
}

RegistryStatus InMemoryRegistry::OpenKey(RootKey root, const std::string& subKey,
                                         std::uint32_t access, RegistryHandle& key) {
    std::shared_ptr<Node> node;
    const RegistryStatus status = Find(root, subKey, false, node, nullptr, nullptr);
    if (status != ErrorSuccess) {
        return status;
    }
    if (readOnlyRoots_.count(root) != 0 && (access & ~KeyRead) != 0) {
        return ErrorAccessDenied;
    }
    key = Hand(std::move(node), access);
    return ErrorSuccess;
}

RegistryStatus InMemoryRegistry::CreateKey(RootKey root, const std::string& subKey,
                                           RegistryHandle& key) {
    if (!TakeWrite()) {
        return ErrorAccessDenied;
    }
    // A key is created with the most rights the caller may have.
    if (readOnlyRoots_.count(root) != 0) {
        const RegistryStatus status = OpenKey(root, subKey, KeyRead, key);
        return status == ErrorFileNotFound ? ErrorAccessDenied : status;
    }
    std::shared_ptr<Node> node;
    const RegistryStatus status = Find(root, subKey, true, node, nullptr, nullptr);
    if (status == ErrorSuccess) {
        key = Hand(std::move(node), AllAccess);
    }
    return status;
}

RegistryStatus InMemoryRegistry::QueryValue(RegistryHandle key, const std::string& valueName,
                                            std::uint32_t* type, std::uint8_t* data,
                                            std::uint32_t* size) {
    const auto handle = handles_.find(key);
    if (handle == handles_.end()) {
        return ErrorInvalidHandle;
    }
    if ((handle->second.access & KeyQueryValue) == 0) {
        return ErrorAccessDenied;
    }
    const Node& node = *handle->second.node;
    if (node.deleted) {
        return ErrorKeyDeleted;
    }
    if (data != nullptr && size == nullptr) {
        return ErrorInvalidParameter;
    }
    const auto value = node.values.find(Folded(valueName));
    if (value == node.values.end()) {
        return ErrorFileNotFound;
    }
    if (type != nullptr) {
        *type = value->second.type;
    }
    const auto needed = static_cast<std::uint32_t>(value->second.data.size());
    if (data != nullptr) {
        if (*size < needed) {
            *size = needed;
            return ErrorMoreData;
        }
        std::copy(value->second.data.begin(), value->second.data.end(), data);
    }
    if (size != nullptr) {
        *size = needed;
    }
    return ErrorSuccess;
}

RegistryStatus InMemoryRegistry::SetValue(RegistryHandle key, const std::string& valueName,
                                          std::uint32_t type, const std::uint8_t* data,
                                          std::uint32_t size) {
    const auto handle = handles_.find(key);
    if (handle == handles_.end()) {
        return ErrorInvalidHandle;
    }
    if (!TakeWrite()) {
        return ErrorAccessDenied;
    }
    if ((handle->second.access & KeySetValue) == 0) {
        return ErrorAccessDenied;
    }
    Node& node = *handle->second.node;
    if (node.deleted) {
        return ErrorKeyDeleted;
    }
    const std::string folded = Folded(valueName);
    if (node.values.count(folded) == 0) {
        node.valueOrder.push_back(folded);
        node.values[folded].name = valueName.c_str();
    }
    Node::Value& value = node.values[folded];
    value.type = type;
    value.data.assign(data, data + size);
    return ErrorSuccess;
}

RegistryStatus InMemoryRegistry::EnumValue(RegistryHandle key, std::uint32_t index, char* name,
                                           std::uint32_t* nameSize, std::uint32_t* type,
                                           std::uint8_t* data, std::uint32_t* dataSize) {
    // A handle that cannot be queried fails as a query with it does.
    const auto handle = handles_.find(key);
    if (handle == handles_.end() || handle->second.node->deleted ||
        (handle->second.access & KeyQueryValue) == 0) {
        return QueryValue(key, "", type, data, dataSize);
    }
    const Node& node = *handle->second.node;
    if (index >= node.valueOrder.size()) {
        return ErrorNoMoreItems;
    }
    const std::string& found = node.values.at(node.valueOrder[index]).name;
    if (*nameSize <= found.size()) {
        return ErrorMoreData;
    }
    std::copy(found.c_str(), found.c_str() + found.size() + 1, name);
    *nameSize = static_cast<std::uint32_t>(found.size());
    // The type and data answer as a query of the value by its name does.
    return QueryValue(key, found, type, data, dataSize);
}

RegistryStatus InMemoryRegistry::DeleteKey(RootKey root, const std::string& subKey) {
    if (!TakeWrite()) {
        return ErrorAccessDenied;
    }
    std::shared_ptr<Node> node;
    std::shared_ptr<Node> parent;
    std::string leafName;
    const RegistryStatus status = Find(root, subKey, false, node, &parent, &leafName);
    if (status != ErrorSuccess) {
        return status;
    }
    if (!parent || !node->subKeys.empty() || readOnlyRoots_.count(root) != 0) {
        return ErrorAccessDenied;
    }
    node->deleted = true;
    parent->subKeys.erase(leafName);
    return ErrorSuccess;
}

RegistryStatus InMemoryRegistry::CloseKey(RegistryHandle key) {
    return handles_.erase(key) == 1 ? ErrorSuccess : ErrorInvalidHandle;
}

bool InMemoryRegistry::TakeWrite() {
    if (writesLeft == 0) {
        return false;
    }
    --writesLeft;
    ++writesDone;
    return true;
}
