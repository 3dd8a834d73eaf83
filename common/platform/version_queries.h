#pragma once

#include <cstdint>

// The fields of the operating system's extended version record (OSVERSIONINFOEX) that the
// programs read. A query that fails leaves them as they were, so a zeroed record stays zeroed.
struct WindowsVersionRecord {
    std::uint32_t dwMajorVersion = 0;
    std::uint32_t dwMinorVersion = 0;
    std::uint32_t dwBuildNumber = 0;
    std::uint32_t dwPlatformId = 0;
    std::uint8_t wProductType = 0;
};

constexpr std::uint32_t PlatformWindows9x = 1;  // VER_PLATFORM_WIN32_WINDOWS
constexpr std::uint32_t PlatformWindowsNt = 2;  // VER_PLATFORM_WIN32_NT
constexpr std::uint8_t NtWorkstation = 1;       // VER_NT_WORKSTATION
constexpr std::uint32_t VerProductType = 0x80;  // VER_PRODUCT_TYPE
constexpr std::uint8_t VerEqual = 1;            // VER_EQUAL
constexpr std::uint16_t ProcessorArchitectureIa64 = 6;
constexpr std::uint16_t ProcessorArchitectureAmd64 = 9;
constexpr std::uint16_t ProcessorArchitectureArm64 = 12;

// The version queries of kernel32 and ntdll.
class VersionQueries {
public:
    virtual ~VersionQueries() = default;

    // GetVersionExA on an OSVERSIONINFOA: fills everything but the product type.
    virtual bool GetVersionExA(WindowsVersionRecord& record) = 0;

    // GetVersionExW on an OSVERSIONINFOEXW.
    virtual bool GetVersionExW(WindowsVersionRecord& record) = 0;

    // RtlGetVersion of "NtDll.dll", loaded by name for the call and released after it. False,
    // with the record untouched, when the library or the function is not there.
    virtual bool RtlGetVersion(WindowsVersionRecord& record) = 0;

    virtual std::uint64_t VerSetConditionMask(std::uint64_t conditionMask, std::uint32_t typeMask,
                                              std::uint8_t condition) = 0;

    // VerifyVersionInfoA on an OSVERSIONINFOEXA that holds only the given product type.
    virtual bool VerifyVersionInfoA(std::uint8_t productType, std::uint32_t typeMask,
                                    std::uint64_t conditionMask) = 0;

    // GetNativeSystemInfo, looked up in kernel32.dll. False when kernel32 has no such function.
    virtual bool GetNativeSystemInfo(std::uint16_t& processorArchitecture) = 0;

    // GetSystemInfo's processor architecture.
    virtual std::uint16_t GetSystemInfo() = 0;
};
