#include "installer/start_tray_program_win32.h"

#include <windows.h>

#include "common/platform/win32/ansi_text_win32.h"
#include "common/platform/win32/registry_win32.h"
#include "common/platform/win32/unique_handles_win32.h"
#include "common/services/program_names.h"
#include "common/settings/options.h"
#include "common/settings/settings_keys.h"

void StartInstalledTrayProgram(const std::wstring& folder) {
    Win32Registry registry;
    if (folder.empty() || !IsOptionEnabled(registry, SystemTrayValueName)) {
        return;
    }
    const std::wstring program =
        folder + (folder.back() == L'\\' ? L"" : L"\\") + AnsiToWide(TrayFileName);
    std::wstring commandLine = L"\"" + program + L"\" " + AnsiToWide(TrayHandOverSwitch);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    // Windows Installer runs custom actions in a job of its own: the tray program leaves it where
    // the job allows, so that it outlives the installation.
    for (const DWORD flags : {DWORD{CREATE_BREAKAWAY_FROM_JOB}, DWORD{0}}) {
        PROCESS_INFORMATION started{};
        if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                           flags | NORMAL_PRIORITY_CLASS, nullptr, folder.c_str(), &startup,
                           &started)) {
            const UniqueHandle process(started.hProcess);
            const UniqueHandle thread(started.hThread);
            return;
        }
    }
}
