#pragma once

#include "common/platform/registry.h"

// The registry of the current Windows session, through the A forms of the registry calls.
class Win32Registry final : public Registry {
public:
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
};
