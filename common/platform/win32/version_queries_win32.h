#pragma once

#include "common/platform/version_queries.h"

class Win32VersionQueries final : public VersionQueries {
public:
    bool GetVersionExA(WindowsVersionRecord& record) override;
    bool GetVersionExW(WindowsVersionRecord& record) override;
    bool RtlGetVersion(WindowsVersionRecord& record) override;
    std::uint64_t VerSetConditionMask(std::uint64_t conditionMask, std::uint32_t typeMask,
                                      std::uint8_t condition) override;
    bool VerifyVersionInfoA(std::uint8_t productType, std::uint32_t typeMask,
                            std::uint64_t conditionMask) override;
    bool GetNativeSystemInfo(std::uint16_t& processorArchitecture) override;
    std::uint16_t GetSystemInfo() override;
};
