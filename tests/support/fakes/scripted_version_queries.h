#pragma once

#include <optional>

#include "common/platform/version_queries.h"

// A Windows described by its version numbers: what the plain queries report, what RtlGetVersion
// reports (when ntdll has it) and the processor architecture.
class ScriptedVersionQueries final : public VersionQueries {
public:
    // A system whose plain queries and RtlGetVersion agree.
    static ScriptedVersionQueries Reporting(std::uint32_t platform, std::uint32_t major,
                                            std::uint32_t minor, std::uint32_t build,
                                            std::uint8_t productType) {
        ScriptedVersionQueries queries;
        queries.reported = {major, minor, build, platform, productType};
        queries.trueVersion = queries.reported;
        return queries;
    }

    WindowsVersionRecord reported;                    // GetVersionExA and GetVersionExW
    std::optional<WindowsVersionRecord> trueVersion;  // RtlGetVersion; none: not in ntdll
    bool versionQueriesFail = false;                  // GetVersionExA/W fail
    std::optional<std::uint16_t> nativeArchitecture;  // none: no GetNativeSystemInfo
    std::uint16_t systemInfoArchitecture = 0;         // GetSystemInfo

    int rtlGetVersionCalls = 0;

    bool GetVersionExA(WindowsVersionRecord& record) override {
        if (versionQueriesFail) {
            return false;
        }
        // The basic record has no product type.
        record.dwMajorVersion = reported.dwMajorVersion;
        record.dwMinorVersion = reported.dwMinorVersion;
        record.dwBuildNumber = reported.dwBuildNumber;
        record.dwPlatformId = reported.dwPlatformId;
        return true;
    }

    bool GetVersionExW(WindowsVersionRecord& record) override {
        if (versionQueriesFail) {
            return false;
        }
        record = reported;
        return true;
    }

    bool RtlGetVersion(WindowsVersionRecord& record) override {
        ++rtlGetVersionCalls;
        if (!trueVersion) {
            return false;
        }
        record = *trueVersion;
        return true;
    }

    // Three bits of condition per type bit, as Windows lays out the mask.
    std::uint64_t VerSetConditionMask(std::uint64_t conditionMask, std::uint32_t typeMask,
                                      std::uint8_t condition) override {
        for (unsigned bit = 0; bit < 32; ++bit) {
            if ((typeMask & (1u << bit)) != 0) {
                conditionMask |= static_cast<std::uint64_t>(condition & 7) << (3 * bit);
            }
        }
        return conditionMask;
    }

    // Answers product-type questions only, from the true product type.
    bool VerifyVersionInfoA(std::uint8_t productType, std::uint32_t typeMask,
                            std::uint64_t conditionMask) override {
        if (typeMask != VerProductType) {
            return false;
        }
        const auto condition = static_cast<std::uint8_t>((conditionMask >> (3 * 7)) & 7);
        const std::uint8_t actual = trueVersion ? trueVersion->wProductType : reported.wProductType;
        return condition == VerEqual && actual == productType;
    }

    bool GetNativeSystemInfo(std::uint16_t& processorArchitecture) override {
        if (!nativeArchitecture) {
            return false;
        }
        processorArchitecture = *nativeArchitecture;
        return true;
    }

    std::uint16_t GetSystemInfo() override { return systemInfoArchitecture; }
};
