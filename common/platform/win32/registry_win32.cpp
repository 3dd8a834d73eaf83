#include "common/platform/win32/registry_win32.h"

#include <windows.h>

namespace {

// The predefined key handles are these numbers, sign-extended as Windows defines them.
HKEY PredefinedKey(RootKey root) {
    return reinterpret_cast<HKEY>(
        static_cast<ULONG_PTR>(static_cast<LONG>(static_cast<std::uint32_t>(root))));
}

HKEY KeyFromHandle(RegistryHandle key) {
    return reinterpret_cast<HKEY>(key);
}

RegistryHandle HandleFromKey(HKEY key) {
    return reinterpret_cast<RegistryHandle>(key);
}

}  // namespace

RegistryStatus Win32Registry::OpenKey(RootKey root, const std::string& subKey, std::uint32_t access,
                                      RegistryHandle& key) {
    HKEY opened = nullptr;
    const LONG status = RegOpenKeyExA(PredefinedKey(root), subKey.c_str(), 0, access, &opened);
    if (status == ERROR_SUCCESS) {
        key = HandleFromKey(opened);
    }
    return status;
}

RegistryStatus Win32Registry::CreateKey(RootKey root, const std::string& subKey,
                                        RegistryHandle& key) {
    HKEY created = nullptr;
    const LONG status = RegCreateKeyA(PredefinedKey(root), subKey.c_str(), &created);
    if (status == ERROR_SUCCESS) {
        key = HandleFromKey(created);
    }
    return status;
}

RegistryStatus Win32Registry::QueryValue(RegistryHandle key, const std::string& valueName,
                                         std::uint32_t* type, std::uint8_t* data,
                                         std::uint32_t* size) {
    DWORD valueType = type != nullptr ? *type : 0;
    DWORD dataSize = size != nullptr ? *size : 0;
    const LONG status = RegQueryValueExA(KeyFromHandle(key), valueName.c_str(), nullptr,
                                         type != nullptr ? &valueType : nullptr, data,
                                         size != nullptr ? &dataSize : nullptr);
    if (type != nullptr) {
        *type = valueType;
    }
    if (size != nullptr) {
        *size = dataSize;
    }
    return status;
}

RegistryStatus Win32Registry::SetValue(RegistryHandle key, const std::string& valueName,
                                       std::uint32_t type, const std::uint8_t* data,
                                       std::uint32_t size) {
    return RegSetValueExA(KeyFromHandle(key), valueName.c_str(), 0, type, data, size);
}

RegistryStatus Win32Registry::EnumValue(RegistryHandle key, std::uint32_t index, char* name,
                                        std::uint32_t* nameSize, std::uint32_t* type,
                                        std::uint8_t* data, std::uint32_t* dataSize) {
    DWORD nameRoom = *nameSize;
    DWORD valueType = 0;
    DWORD dataRoom = dataSize != nullptr ? *dataSize : 0;
    const LONG status = RegEnumValueA(KeyFromHandle(key), index, name, &nameRoom, nullptr,
                                      type != nullptr ? &valueType : nullptr, data,
                                      dataSize != nullptr ? &dataRoom : nullptr);
    *nameSize = nameRoom;
    if (type != nullptr) {
        *type = valueType;
    }
    if (dataSize != nullptr) {
        *dataSize = dataRoom;
    }
    return status;
}

RegistryStatus Win32Registry::DeleteKey(RootKey root, const std::string& subKey) {
    return RegDeleteKeyA(PredefinedKey(root), subKey.c_str());
}

RegistryStatus Win32Registry::CloseKey(RegistryHandle key) {
    return RegCloseKey(KeyFromHandle(key));
}
