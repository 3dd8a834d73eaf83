#include "common/settings/windows_version.h"

#include "common/settings/registry_access.h"
#include "common/settings/windows_name_table.h"

namespace {

constexpr char CurrentVersionKeyPath[] =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

}  // namespace

bool IsWindows8OrLater(VersionQueries& versions) {
    WindowsVersionRecord record;
    versions.GetVersionExA(record);
    return record.dwMajorVersion > 6 || (record.dwMajorVersion == 6 && record.dwMinorVersion >= 2);
}

WindowsVersionRecord CurrentWindowsVersion(VersionQueries& versions) {
    WindowsVersionRecord record;
    versions.GetVersionExW(record);
    if (record.dwMajorVersion == 6 && record.dwMinorVersion == 2) {
        versions.RtlGetVersion(record);
    }
    return record;
}

std::string WindowsName(VersionQueries& versions) {
    return WindowsNameOf(CurrentWindowsVersion(versions));
}

std::string WindowsNameWithBuild(VersionQueries& versions, Registry& registry) {
    return WindowsNameWithBuildOf(CurrentWindowsVersion(versions), [&registry] {
        return ReadRegistryText(registry, CurrentVersionKeyPath, "DisplayVersion");
    });
}

bool Is64BitWindows(VersionQueries& versions) {
    std::uint16_t architecture = 0;
    if (versions.GetNativeSystemInfo(architecture)) {
        return architecture == ProcessorArchitectureAmd64;
    }
    architecture = versions.GetSystemInfo();
    return architecture == ProcessorArchitectureAmd64 || architecture == ProcessorArchitectureIa64;
}

bool IsWindowsServer(VersionQueries& versions) {
    const std::uint64_t conditionMask = versions.VerSetConditionMask(0, VerProductType, VerEqual);
    return !versions.VerifyVersionInfoA(NtWorkstation, VerProductType, conditionMask);
}
