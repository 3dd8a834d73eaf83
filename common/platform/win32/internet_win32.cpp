#include "common/platform/win32/internet_win32.h"

#include <windows.h>
#include <wininet.h>

namespace {

HINTERNET ToHinternet(InternetHandle handle) {
    return reinterpret_cast<HINTERNET>(handle);
}

InternetHandle FromHinternet(HINTERNET handle) {
    return reinterpret_cast<InternetHandle>(handle);
}

}  // namespace

InternetHandle Win32Internet::InternetOpenA(const std::string& agent, std::uint32_t accessType,
                                            std::uint32_t flags) {
    return FromHinternet(::InternetOpenA(agent.c_str(), accessType, nullptr, nullptr, flags));
}

InternetHandle Win32Internet::InternetOpenUrlA(InternetHandle internet, const char* url,
                                               std::uint32_t flags, std::uintptr_t context) {
    return FromHinternet(
        ::InternetOpenUrlA(ToHinternet(internet), url, nullptr, 0, flags, context));
}

bool Win32Internet::InternetReadFile(InternetHandle file, void* buffer, std::uint32_t bytesToRead,
                                     std::uint32_t& bytesRead) {
    DWORD read = 0;
    const BOOL succeeded = ::InternetReadFile(ToHinternet(file), buffer, bytesToRead, &read);
    bytesRead = read;
    return succeeded != FALSE;
}

bool Win32Internet::InternetCloseHandle(InternetHandle handle) {
    return ::InternetCloseHandle(ToHinternet(handle)) != FALSE;
}
