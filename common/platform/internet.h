#pragma once

#include <cstdint>
#include <string>

#include "common/platform/unique_owner.h"

// A WinINet handle; 0 is no handle.
using InternetHandle = std::uintptr_t;

constexpr std::uint32_t InternetOpenTypeDirect = 1;
constexpr std::uint32_t InternetFlagNoCacheWrite = 0x04000000;

// The WinINet calls of an HTTP(S) fetch.
class Internet {
public:
    virtual ~Internet() = default;

    // InternetOpenA with no proxy name and no bypass list.
    virtual InternetHandle InternetOpenA(const std::string& agent, std::uint32_t accessType,
                                         std::uint32_t flags) = 0;

    // InternetOpenUrlA with no extra headers.
    virtual InternetHandle InternetOpenUrlA(InternetHandle internet, const char* url,
                                            std::uint32_t flags, std::uintptr_t context) = 0;

    virtual bool InternetReadFile(InternetHandle file, void* buffer, std::uint32_t bytesToRead,
                                  std::uint32_t& bytesRead) = 0;

    virtual bool InternetCloseHandle(InternetHandle handle) = 0;
};

// Owns one WinINet handle and closes it when it goes.
struct InternetHandleCloser {
    using pointer = NumberHandle<InternetHandle>;
    Internet* internet = nullptr;
    void operator()(InternetHandle handle) const { internet->InternetCloseHandle(handle); }
};
using UniqueInternetHandle = UniqueOwner<InternetHandleCloser>;

inline UniqueInternetHandle OwnedInternetHandle(Internet& internet, InternetHandle handle) {
    return UniqueInternetHandle(handle, InternetHandleCloser{&internet});
}
