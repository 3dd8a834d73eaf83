// Test helper: writes what the version functions say about the running Windows to the file named
// by its one argument, one answer a line.
#include <fstream>

#include "common/platform/win32/registry_win32.h"
#include "common/platform/win32/version_queries_win32.h"
#include "common/settings/windows_version.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        return 2;
    }
    Win32VersionQueries versions;
    Win32Registry registry;
    std::ofstream out(argv[1], std::ios::binary);
    out << (IsWindows8OrLater(versions) ? "yes" : "no") << "\n"
        << WindowsName(versions) << "\n"
        << WindowsNameWithBuild(versions, registry) << "\n"
        << (Is64BitWindows(versions) ? "yes" : "no") << "\n"
        << (IsWindowsServer(versions) ? "yes" : "no") << "\n";
    return out ? 0 : 1;
}
