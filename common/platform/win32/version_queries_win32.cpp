#include "common/platform/win32/version_queries_win32.h"

#include <windows.h>

#include "common/platform/win32/system_library_win32.h"
#include "common/platform/win32/unique_handles_win32.h"

namespace {

void CopyVersion(const OSVERSIONINFOEXW& info, WindowsVersionRecord& record) {
    record.dwMajorVersion = info.dwMajorVersion;
    record.dwMinorVersion = info.dwMinorVersion;
    record.dwBuildNumber = info.dwBuildNumber;
    record.dwPlatformId = info.dwPlatformId;
    record.wProductType = info.wProductType;
}

// GetProcAddress gives a generic function pointer; the detour through void* says that the
// caller knows the real type.
template <typename Function>
Function LookUp(HMODULE module, const char* name) {
    if (module == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

bool Win32VersionQueries::GetVersionExA(WindowsVersionRecord& record) {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!::GetVersionExA(&info)) {
        return false;
    }
    record.dwMajorVersion = info.dwMajorVersion;
    record.dwMinorVersion = info.dwMinorVersion;
    record.dwBuildNumber = info.dwBuildNumber;
    record.dwPlatformId = info.dwPlatformId;
    return true;
}

bool Win32VersionQueries::GetVersionExW(WindowsVersionRecord& record) {
    OSVERSIONINFOEXW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!::GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&info))) {
        return false;
    }
    CopyVersion(info, record);
    return true;
}

bool Win32VersionQueries::RtlGetVersion(WindowsVersionRecord& record) {
    using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOEXW*);
    const UniqueLibrary ntdll = LoadSystemLibrary(L"NtDll.dll");
    const auto rtlGetVersion = LookUp<RtlGetVersionFunction>(ntdll.get(), "RtlGetVersion");
    if (rtlGetVersion == nullptr) {
        return false;
    }
    OSVERSIONINFOEXW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (rtlGetVersion(&info) < 0) {
        return false;
    }
    CopyVersion(info, record);
    return true;
}

std::uint64_t Win32VersionQueries::VerSetConditionMask(std::uint64_t conditionMask,
                                                       std::uint32_t typeMask,
                                                       std::uint8_t condition) {
    return ::VerSetConditionMask(conditionMask, typeMask, condition);
}

bool Win32VersionQueries::VerifyVersionInfoA(std::uint8_t productType, std::uint32_t typeMask,
                                             std::uint64_t conditionMask) {
    OSVERSIONINFOEXA info{};
    info.dwOSVersionInfoSize = sizeof(info);
    info.wProductType = productType;
    return ::VerifyVersionInfoA(&info, typeMask, conditionMask) != FALSE;
}

bool Win32VersionQueries::GetNativeSystemInfo(std::uint16_t& processorArchitecture) {
    using GetNativeSystemInfoFunction = void(WINAPI*)(SYSTEM_INFO*);
    const auto getNativeSystemInfo = LookUp<GetNativeSystemInfoFunction>(
        GetModuleHandleA("kernel32.dll"), "GetNativeSystemInfo");
    if (getNativeSystemInfo == nullptr) {
        return false;
    }
    SYSTEM_INFO info{};
    getNativeSystemInfo(&info);
    processorArchitecture = info.wProcessorArchitecture;
    return true;
}

std::uint16_t Win32VersionQueries::GetSystemInfo() {
    SYSTEM_INFO info{};
    ::GetSystemInfo(&info);
    return info.wProcessorArchitecture;
}
