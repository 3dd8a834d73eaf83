#include "common/platform/win32/network_list_win32.h"

#include <windows.h>
#include <objbase.h>
#include <oleauto.h>
#include <netlistmgr.h>

#include "common/platform/win32/com_ptr.h"
#include "common/platform/win32/network_list_ids_win32.h"
#include "common/platform/win32/unique_bstr.h"

namespace {

Guid ToGuid(const GUID& guid) {
    Guid result;
    result.data1 = guid.Data1;
    result.data2 = guid.Data2;
    result.data3 = guid.Data3;
    for (int i = 0; i < 8; ++i) {
        result.data4[i] = guid.Data4[i];
    }
    return result;
}

FileTime ToFileTime(DWORD low, DWORD high) {
    return (static_cast<FileTime>(high) << 32) | low;
}

// Calls a query that hands over a BSTR, copies the text and frees the string.
template <typename Query>
ComResult ReadText(Query query, WideText& text) {
    UniqueBstr bstr;
    const HRESULT result = query(bstr.Receive());
    if (result == S_OK) {
        const BSTR chars = bstr.get();
        text.assign(chars, chars + SysStringLen(chars));
    }
    return result;
}

// Calls a query that answers a VARIANT_BOOL.
template <typename Query>
ComResult ReadBool(Query query, bool& answer) {
    VARIANT_BOOL value = VARIANT_FALSE;
    const HRESULT result = query(&value);
    if (result == S_OK) {
        answer = value != VARIANT_FALSE;
    }
    return result;
}

// Calls a query that answers a 32-bit number or flag set of type Value.
template <typename Value, typename Query>
ComResult ReadNumber(Query query, std::uint32_t& answer) {
    Value value{};
    const HRESULT result = query(&value);
    if (result == S_OK) {
        answer = static_cast<std::uint32_t>(value);
    }
    return result;
}

template <typename Query>
ComResult ReadGuid(Query query, Guid& answer) {
    GUID value = GUID_NULL;
    const HRESULT result = query(&value);
    if (result == S_OK) {
        answer = ToGuid(value);
    }
    return result;
}

class Win32NetworkConnection final : public NetworkConnection {
public:
    explicit Win32NetworkConnection(ComPtr<INetworkConnection> connection)
        : connection_(std::move(connection)) {}

    ComResult IsConnected(bool& connected) override {
        return ReadBool([&](VARIANT_BOOL* value) { return connection_->get_IsConnected(value); },
                        connected);
    }
    ComResult IsConnectedToInternet(bool& connected) override {
        return ReadBool(
            [&](VARIANT_BOOL* value) { return connection_->get_IsConnectedToInternet(value); },
            connected);
    }
    ComResult GetConnectivity(std::uint32_t& connectivity) override {
        return ReadNumber<NLM_CONNECTIVITY>(
            [&](NLM_CONNECTIVITY* value) { return connection_->GetConnectivity(value); },
            connectivity);
    }
    ComResult GetConnectionId(Guid& id) override {
        return ReadGuid([&](GUID* value) { return connection_->GetConnectionId(value); }, id);
    }
    ComResult GetAdapterId(Guid& id) override {
        return ReadGuid([&](GUID* value) { return connection_->GetAdapterId(value); }, id);
    }
    ComResult GetDomainType(std::uint32_t& domainType) override {
        return ReadNumber<NLM_DOMAIN_TYPE>(
            [&](NLM_DOMAIN_TYPE* value) { return connection_->GetDomainType(value); }, domainType);
    }

private:
    ComPtr<INetworkConnection> connection_;
};

class Win32NetworkConnectionEnumerator final : public NetworkConnectionEnumerator {
public:
    explicit Win32NetworkConnectionEnumerator(ComPtr<IEnumNetworkConnections> connections)
        : connections_(std::move(connections)) {}

    ComResult Next(std::unique_ptr<NetworkConnection>& connection) override {
        ComPtr<INetworkConnection> next;
        ULONG fetched = 0;
        const HRESULT result = connections_->Next(1, next.Receive(), &fetched);
        if (result == S_OK && fetched == 1 && next) {
            connection = std::make_unique<Win32NetworkConnection>(std::move(next));
            return S_OK;
        }
        return result == S_OK ? S_FALSE : result;
    }

private:
    ComPtr<IEnumNetworkConnections> connections_;
};

class Win32Network final : public Network {
public:
    explicit Win32Network(ComPtr<INetwork> network) : network_(std::move(network)) {}

    ComResult GetDescription(WideText& description) override {
        return ReadText([&](BSTR* text) { return network_->GetDescription(text); }, description);
    }
    ComResult GetName(WideText& name) override {
        return ReadText([&](BSTR* text) { return network_->GetName(text); }, name);
    }
    ComResult GetNetworkId(Guid& id) override {
        return ReadGuid([&](GUID* value) { return network_->GetNetworkId(value); }, id);
    }
    ComResult GetDomainType(std::uint32_t& domainType) override {
        return ReadNumber<NLM_DOMAIN_TYPE>(
            [&](NLM_DOMAIN_TYPE* value) { return network_->GetDomainType(value); }, domainType);
    }
    ComResult GetTimeCreatedAndConnected(FileTime& created, FileTime& connected) override {
        DWORD createdLow = 0;
        DWORD createdHigh = 0;
        DWORD connectedLow = 0;
        DWORD connectedHigh = 0;
        const HRESULT result = network_->GetTimeCreatedAndConnected(&createdLow, &createdHigh,
                                                                    &connectedLow, &connectedHigh);
        if (result == S_OK) {
            created = ToFileTime(createdLow, createdHigh);
            connected = ToFileTime(connectedLow, connectedHigh);
        }
        return result;
    }
    ComResult GetConnectivity(std::uint32_t& connectivity) override {
        return ReadNumber<NLM_CONNECTIVITY>(
            [&](NLM_CONNECTIVITY* value) { return network_->GetConnectivity(value); },
            connectivity);
    }
    ComResult GetCategory(std::uint32_t& category) override {
        return ReadNumber<NLM_NETWORK_CATEGORY>(
            [&](NLM_NETWORK_CATEGORY* value) { return network_->GetCategory(value); }, category);
    }
    ComResult IsConnectedToInternet(bool& connected) override {
        return ReadBool(
            [&](VARIANT_BOOL* value) { return network_->get_IsConnectedToInternet(value); },
            connected);
    }
    ComResult IsConnected(bool& connected) override {
        return ReadBool([&](VARIANT_BOOL* value) { return network_->get_IsConnected(value); },
                        connected);
    }
    ComResult GetNetworkConnections(
        std::unique_ptr<NetworkConnectionEnumerator>& connections) override {
        ComPtr<IEnumNetworkConnections> enumerator;
        const HRESULT result = network_->GetNetworkConnections(enumerator.Receive());
        if (result == S_OK && enumerator) {
            connections = std::make_unique<Win32NetworkConnectionEnumerator>(std::move(enumerator));
        }
        return result;
    }

private:
    ComPtr<INetwork> network_;
};

class Win32NetworkEnumerator final : public NetworkEnumerator {
public:
    explicit Win32NetworkEnumerator(ComPtr<IEnumNetworks> networks)
        : networks_(std::move(networks)) {}

    ComResult GetNewEnum() override {
        ComPtr<IEnumVARIANT> unused;
        return networks_->get__NewEnum(unused.Receive());
    }

    ComResult Next(std::unique_ptr<Network>& network) override {
        ComPtr<INetwork> next;
        ULONG fetched = 0;
        const HRESULT result = networks_->Next(1, next.Receive(), &fetched);
        if (result == S_OK && fetched == 1 && next) {
            network = std::make_unique<Win32Network>(std::move(next));
            return S_OK;
        }
        return result == S_OK ? S_FALSE : result;
    }

private:
    ComPtr<IEnumNetworks> networks_;
};

class Win32NetworkListManager final : public NetworkListManager {
public:
    explicit Win32NetworkListManager(ComPtr<INetworkListManager> manager)
        : manager_(std::move(manager)) {}

    ComResult GetNetworks(std::uint32_t flags,
                          std::unique_ptr<NetworkEnumerator>& networks) override {
        ComPtr<IEnumNetworks> enumerator;
        const HRESULT result =
            manager_->GetNetworks(static_cast<NLM_ENUM_NETWORK>(flags), enumerator.Receive());
        if (result == S_OK && enumerator) {
            networks = std::make_unique<Win32NetworkEnumerator>(std::move(enumerator));
        }
        return result;
    }

private:
    ComPtr<INetworkListManager> manager_;
};

}  // namespace

ComResult Win32NetworkList::CoInitialize() {
    return ::CoInitialize(nullptr);
}

void Win32NetworkList::CoUninitialize() {
    ::CoUninitialize();
}

ComResult Win32NetworkList::CoCreateInstance(std::unique_ptr<NetworkListManager>& manager) {
    ComPtr<INetworkListManager> created;
    const HRESULT result =
        ::CoCreateInstance(ClsidNetworkListManager, nullptr, CLSCTX_ALL, IidNetworkListManager,
                           reinterpret_cast<void**>(created.Receive()));
    if (result == S_OK && created) {
        manager = std::make_unique<Win32NetworkListManager>(std::move(created));
    }
    return result;
}

int Win32NetworkList::WideCharToMultiByte(const char16_t* wide, int wideLength, char* ansi,
                                          int ansiSize) {
    // char16_t and WCHAR are both UTF-16 code units on Windows.
    return ::WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<LPCWCH>(wide), wideLength, ansi,
                                 ansiSize, nullptr, nullptr);
}

void Win32NetworkList::CharUpperBuffA(char* text, std::uint32_t length) {
    ::CharUpperBuffA(text, length);
}
