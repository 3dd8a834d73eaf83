#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "common/platform/internet.h"

// A web of scripted bodies, keyed by URL, served the way WinINet hands them out: in reads of at
// most the asked size (and at most chunkSize), ending with a read of 0 bytes.
class ScriptedInternet final : public Internet {
public:
    struct Response {
        std::string body;
        std::optional<std::size_t> failAt;  // reads fail once this many bytes have gone out
    };
    struct Open {
        std::string agent;
        std::uint32_t accessType;
        std::uint32_t flags;
    };
    struct UrlOpen {
        InternetHandle internet;
        std::string url;
        std::uint32_t flags;
        std::uintptr_t context;
    };

    // Scripted answers. A URL without a response cannot be opened.
    bool openFails = false;
    std::map<std::string, Response> responses;
    std::size_t chunkSize = 1024;
    std::function<void()> whileFetching;  // runs when a URL is opened

    std::vector<Open> opens;
    std::vector<UrlOpen> urlOpens;
    std::vector<std::uint32_t> readSizesAsked;
    std::vector<InternetHandle> closed;

    InternetHandle InternetOpenA(const std::string& agent, std::uint32_t accessType,
                                 std::uint32_t flags) override;
    InternetHandle InternetOpenUrlA(InternetHandle internet, const char* url, std::uint32_t flags,
                                    std::uintptr_t context) override;
    bool InternetReadFile(InternetHandle file, void* buffer, std::uint32_t bytesToRead,
                          std::uint32_t& bytesRead) override;
    bool InternetCloseHandle(InternetHandle handle) override;

    bool AllHandlesClosed() const { return openHandles_.empty(); }
    std::size_t BytesServed(InternetHandle file) const;

private:
    struct Request {
        const Response* response;
        std::size_t position = 0;
    };

    InternetHandle NewHandle();

    InternetHandle lastHandle_ = 0x100;
    std::set<InternetHandle> openHandles_;
    std::map<InternetHandle, Request> requests_;
};
