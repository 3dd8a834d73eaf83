#include "common/platform/win32/adapters_win32.h"

#include <winsock2.h>
#include <ws2tcpip.h>
#include <iphlpapi.h>

#include <cstring>
#include <optional>

namespace {

// Windows' own advice: start with 15 KB, which holds most machines' list, and grow the buffer
// to the size the call asks for while adapters come and go between two calls.
constexpr ULONG FirstBufferSize = 15 * 1024;
constexpr int Attempts = 3;
constexpr ULONG SkippedAddresses =
    GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER;

std::optional<IpAddress> AddressOf(const SOCKET_ADDRESS& socketAddress) {
    const sockaddr* address = socketAddress.lpSockaddr;
    IpAddress ip;
    if (address->sa_family == AF_INET) {
        const auto* v4 = reinterpret_cast<const sockaddr_in*>(address);
        std::memcpy(ip.bytes.data(), &v4->sin_addr, AddressSize(AddressFamily::Ipv4));
        return ip;
    }
    if (address->sa_family == AF_INET6) {
        const auto* v6 = reinterpret_cast<const sockaddr_in6*>(address);
        ip.family = AddressFamily::Ipv6;
        std::memcpy(ip.bytes.data(), &v6->sin6_addr, AddressSize(AddressFamily::Ipv6));
        return ip;
    }
    return std::nullopt;
}

AdapterAddresses AdapterOf(const IP_ADAPTER_ADDRESSES& listed) {
    AdapterAddresses adapter;
    adapter.ifType = listed.IfType;
    adapter.operStatus = static_cast<std::uint32_t>(listed.OperStatus);
    for (const IP_ADAPTER_UNICAST_ADDRESS* unicast = listed.FirstUnicastAddress; unicast != nullptr;
         unicast = unicast->Next) {
        if (const auto address = AddressOf(unicast->Address)) {
            adapter.unicastAddresses.push_back({*address, unicast->OnLinkPrefixLength});
        }
    }
    return adapter;
}

}  // namespace

AdapterListStatus Win32Adapters::GetAdaptersAddresses(std::vector<AdapterAddresses>& adapters) {
    ULONG size = FirstBufferSize;
    std::vector<std::uint64_t> buffer;  // 8-byte aligned, as the records inside need
    ULONG status = ERROR_BUFFER_OVERFLOW;
    for (int attempt = 0; attempt < Attempts && status == ERROR_BUFFER_OVERFLOW; ++attempt) {
        buffer.resize(size / sizeof(std::uint64_t) + 1);
        status =
            ::GetAdaptersAddresses(AF_UNSPEC, SkippedAddresses, nullptr,
                                   reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()), &size);
    }
    if (status != ERROR_SUCCESS) {
        return status;
    }
    adapters.clear();
    for (const auto* listed = reinterpret_cast<const IP_ADAPTER_ADDRESSES*>(buffer.data());
         listed != nullptr; listed = listed->Next) {
        adapters.push_back(AdapterOf(*listed));
    }
    return AdapterListOk;
}
