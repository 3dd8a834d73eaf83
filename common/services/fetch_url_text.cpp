#include "common/services/fetch_url_text.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::size_t kUrlBufferSize = 2048;
constexpr std::uint32_t kReadSize = 1024;

}  // namespace

std::string FetchUrlText(Internet& internet, const std::string& url) {
    const UniqueInternetHandle connection =
        OwnedInternetHandle(internet, internet.InternetOpenA("Test", kInternetOpenTypeDirect, 0));
    if (!connection) {
        return std::string();
    }
    // The address passes through a zero-terminated buffer, which cuts a longer one.
    char address[kUrlBufferSize] = {};
    url.copy(address, kUrlBufferSize - 1);
    const UniqueInternetHandle request = OwnedInternetHandle(
        internet,
        internet.InternetOpenUrlA(connection.get(), address, kInternetFlagNoCacheWrite, 0));
    if (!request) {
        return std::string();
    }

    std::string text;
    char buffer[kReadSize];
    std::uint32_t bytesRead = 0;
    while (text.size() < FetchedTextLimit &&
           internet.InternetReadFile(request.get(), buffer, kReadSize, bytesRead) &&
           bytesRead > 0) {
        const std::size_t kept = std::min({static_cast<std::size_t>(bytesRead),
                                           std::size_t{kReadSize}, FetchedTextLimit - text.size()});
        text.append(buffer, kept);
    }
    return text;
}
