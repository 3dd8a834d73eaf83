#pragma once

#include "common/platform/internet.h"

class Win32Internet final : public Internet {
public:
    InternetHandle InternetOpenA(const std::string& agent, std::uint32_t accessType,
                                 std::uint32_t flags) override;
    InternetHandle InternetOpenUrlA(InternetHandle internet, const char* url, std::uint32_t flags,
                                    std::uintptr_t context) override;
    bool InternetReadFile(InternetHandle file, void* buffer, std::uint32_t bytesToRead,
                          std::uint32_t& bytesRead) override;
    bool InternetCloseHandle(InternetHandle handle) override;
};
