#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "common/platform/network_values.h"

// The Network List Manager as the network walk sees it. Each method mirrors one COM call and
// answers with that call's result code; the value it reads is valid only when the code is
// ComOk. Objects are owned by std::unique_ptr: destroying one releases the COM object behind it.

// An HRESULT.
using ComResult = std::int32_t;

inline constexpr ComResult ComOk = 0;                 // S_OK
inline constexpr ComResult ComFalse = 1;              // S_FALSE
inline constexpr ComResult ComFail = -2147467259;     // E_FAIL, 0x80004005
inline constexpr ComResult ComNotImpl = -2147467263;  // E_NOTIMPL, 0x80004001

// NLM_ENUM_NETWORK_ALL: connected and disconnected networks alike.
inline constexpr std::uint32_t NetworkEnumAll = 3;

// A UTF-16 text as the platform hands it over (the contents of a BSTR).
using WideText = std::u16string;

// INetworkConnection
class NetworkConnection {
public:
    virtual ~NetworkConnection() = default;

    virtual ComResult IsConnected(bool& connected) = 0;            // get_IsConnected
    virtual ComResult IsConnectedToInternet(bool& connected) = 0;  // get_IsConnectedToInternet
    virtual ComResult GetConnectivity(std::uint32_t& connectivity) = 0;
    virtual ComResult GetConnectionId(Guid& id) = 0;
    virtual ComResult GetAdapterId(Guid& id) = 0;
    virtual ComResult GetDomainType(std::uint32_t& domainType) = 0;
};

// IEnumNetworkConnections
class NetworkConnectionEnumerator {
public:
    virtual ~NetworkConnectionEnumerator() = default;

    // Next for one element; ComOk only when it gave one.
    virtual ComResult Next(std::unique_ptr<NetworkConnection>& connection) = 0;
};

// INetwork
class Network {
public:
    virtual ~Network() = default;

    virtual ComResult GetDescription(WideText& description) = 0;
    virtual ComResult GetName(WideText& name) = 0;
    virtual ComResult GetNetworkId(Guid& id) = 0;
    virtual ComResult GetDomainType(std::uint32_t& domainType) = 0;
    virtual ComResult GetTimeCreatedAndConnected(FileTime& created, FileTime& connected) = 0;
    virtual ComResult GetConnectivity(std::uint32_t& connectivity) = 0;
    virtual ComResult GetCategory(std::uint32_t& category) = 0;
    virtual ComResult IsConnectedToInternet(bool& connected) = 0;  // get_IsConnectedToInternet
    virtual ComResult IsConnected(bool& connected) = 0;            // get_IsConnected
    virtual ComResult GetNetworkConnections(
        std::unique_ptr<NetworkConnectionEnumerator>& connections) = 0;
};

// IEnumNetworks
class NetworkEnumerator {
public:
    virtual ~NetworkEnumerator() = default;

    // get__NewEnum; the enumerator it gives is released at once.
    virtual ComResult GetNewEnum() = 0;

    // Next for one element; ComOk only when it gave one.
    virtual ComResult Next(std::unique_ptr<Network>& network) = 0;
};

// INetworkListManager
class NetworkListManager {
public:
    virtual ~NetworkListManager() = default;

    // A successful call may still leave networks empty.
    virtual ComResult GetNetworks(std::uint32_t flags,
                                  std::unique_ptr<NetworkEnumerator>& networks) = 0;
};

// The COM library and the ANSI text calls that the walk and its readers make.
class NetworkList {
public:
    virtual ~NetworkList() = default;

    // CoInitialize(NULL): the calling thread joins a single-threaded apartment.
    virtual ComResult CoInitialize() = 0;
    virtual void CoUninitialize() = 0;

    // CoCreateInstance of CLSID_NetworkListManager, no outer object, CLSCTX_ALL,
    // IID_INetworkListManager.
    virtual ComResult CoCreateInstance(std::unique_ptr<NetworkListManager>& manager) = 0;

    // WideCharToMultiByte into the ANSI code page (CP_ACP), no flags, no default character.
    // With ansiSize 0 it answers the size the conversion needs; otherwise the number of bytes
    // written, or 0 on failure (a buffer too small included).
    virtual int WideCharToMultiByte(const char16_t* wide, int wideLength, char* ansi,
                                    int ansiSize) = 0;

    // CharUpperBuffA: the system's upper-casing of ANSI text, in place.
    virtual void CharUpperBuffA(char* text, std::uint32_t length) = 0;
};
