#pragma once

#include "common/platform/network_list.h"

// The Network List Manager through its COM interfaces (netlistmgr.h), and the ANSI code page of
// the system.
class Win32NetworkList final : public NetworkList {
public:
    ComResult CoInitialize() override;
    void CoUninitialize() override;
    ComResult CoCreateInstance(std::unique_ptr<NetworkListManager>& manager) override;
    int WideCharToMultiByte(const char16_t* wide, int wideLength, char* ansi,
                            int ansiSize) override;
    void CharUpperBuffA(char* text, std::uint32_t length) override;
};
