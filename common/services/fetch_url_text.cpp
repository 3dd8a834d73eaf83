#include "common/services/fetch_url_text.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::size_t UrlBufferSize = 2048;
constexpr std::uint32_t ReadSize = 1024;

}  // namespace

std::string FetchUrlText(Internet& internet, const std::string& url) {
    const UniqueInternetHandle connection =
        OwnedInternetHandle(internet, internet.InternetOpenA("Test", InternetOpenTypeDirect, 0));
    if (!connection) {
        return std::string();
    }
    // The address passes through a zero-terminated buffer, which cuts a longer one.
    char address[UrlBufferSize] = {};
    url.copy(address, UrlBufferSize - 1);
    const UniqueInternetHandle request = OwnedInternetHandle(
        internet,
        internet.InternetOpenUrlA(connection.get(), address, InternetFlagNoCacheWrite, 0));
    if (!request) {
        return std::string();
    }

    std::string text;
    char buffer[ReadSize];
    std::uint32_t bytesRead = 0;
    while (text.size() < FetchedTextLimit &&
           internet.InternetReadFile(request.get(), buffer, ReadSize, bytesRead) && bytesRead > 0) {
        const std::size_t kept = std::min({static_cast<std::size_t>(bytesRead),
                                           std::size_t{ReadSize}, FetchedTextLimit - text.size()});
        text.append(buffer, kept);
    }
    return text;
}
