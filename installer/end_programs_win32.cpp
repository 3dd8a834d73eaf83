// "EndPrograms.dll": run by the MSI package as custom actions, and by the NSIS installer and
// uninstaller. Before they replace or remove the programs, it asks a running Manager to end (one
// that waits for a network may wait for hours) and ends a running tray program, so that no file
// of the old installation is in use, and nothing of it starts again, while the files change. When
// they are done, it withdraws the request and, after an install that ended one of the programs,
// starts the tray program of the new files.
#include <windows.h>
#include <msi.h>

#include <string>

#include "common/platform/win32/unique_handles_win32.h"
#include "common/services/program_names.h"
#include "installer/end_manager_win32.h"
#include "installer/end_tray_program_win32.h"
#include "installer/start_tray_program_win32.h"

namespace {

// A Manager that applies its table when asked ends after it (2 s for each printer it sets); the
// installation goes on after this, whatever is still running.
constexpr std::uint64_t EndTimeoutMs = 30000;

// What an MSI package's later action learns of EndProgramsAction: set when a program was ended.
constexpr const wchar_t* ProgramsEndedProperty = L"LUMIVO_PROGRAMS_ENDED";

// The request, held from EndProgramsAction on while this DLL stays loaded (the NSIS installer
// keeps it until it is done), so that a Manager started meanwhile ends at its first look.
UniqueHandle& HeldEndRequest() {
    static UniqueHandle request;
    return request;
}

// Whether EndProgramsAction found a Manager or a tray program running, for the NSIS installer.
bool& ProgramsEnded() {
    static bool ended = false;
    return ended;
}

bool EndPrograms() {
    HeldEndRequest().reset(CreateEventA(nullptr, TRUE, FALSE, ManagerEndEventName));
    if (HeldEndRequest()) {
        SetEvent(HeldEndRequest().get());
    }
    const std::uint64_t deadline = GetTickCount64() + EndTimeoutMs;
    bool ended = false;
    // Each can start the other as it ends, so look again until neither was running.
    for (bool found = true; found && GetTickCount64() < deadline;) {
        const bool managers = WaitForManagersToEnd(deadline);
        const bool tray = EndTrayProgram();
        found = managers || tray;
        ended = ended || found;
    }
    return ended;
}

// The request lasts as long as the install: once it is withdrawn, a Manager started from now on
// runs normally, also beside one that was asked and is still ending (and keeps the event open).
void ReleaseEndRequest() {
    const UniqueHandle request(CreateEventA(nullptr, TRUE, FALSE, ManagerEndEventName));
    if (request) {
        ResetEvent(request.get());
    }
    HeldEndRequest().reset();
}

// The MSI functions of the installer that runs this DLL: an MSI custom action runs where msi.dll
// is loaded already; the NSIS installer has none of them.
template <typename Function>
Function MsiFunction(const char* name) {
    const HMODULE msi = GetModuleHandleW(L"msi.dll");
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(msi != nullptr ? GetProcAddress(msi, name) : nullptr));
}

std::wstring MsiProperty(MSIHANDLE install, const wchar_t* name) {
    using GetProperty = UINT(WINAPI*)(MSIHANDLE, LPCWSTR, LPWSTR, DWORD*);
    const auto getProperty = MsiFunction<GetProperty>("MsiGetPropertyW");
    wchar_t value[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    if (getProperty == nullptr || getProperty(install, name, value, &size) != ERROR_SUCCESS) {
        return L"";
    }
    return value;
}

void SetMsiProperty(MSIHANDLE install, const wchar_t* name, const wchar_t* value) {
    using SetProperty = UINT(WINAPI*)(MSIHANDLE, LPCWSTR, LPCWSTR);
    if (const auto setProperty = MsiFunction<SetProperty>("MsiSetPropertyW")) {
        setProperty(install, name, value);
    }
}

}  // namespace

// The entry points that the MSI package and the NSIS scripts name; the installation goes on
// whatever happens here.

// Before the files change: the MSI package and the NSIS scripts.
extern "C" __declspec(dllexport) UINT WINAPI EndProgramsAction(MSIHANDLE install) {
    ProgramsEnded() = EndPrograms();
    if (ProgramsEnded() && install != 0) {
        SetMsiProperty(install, ProgramsEndedProperty, L"1");
    }
    return ERROR_SUCCESS;
}

// After the files: the MSI package's last actions, of every install, repair, upgrade and
// uninstall; the package starts the tray program only after an install that ended a program.
extern "C" __declspec(dllexport) UINT WINAPI ReleaseEndRequestAction(MSIHANDLE) {
    ReleaseEndRequest();
    return ERROR_SUCCESS;
}

extern "C" __declspec(dllexport) UINT WINAPI StartTrayProgramAction(MSIHANDLE install) {
    StartInstalledTrayProgram(MsiProperty(install, L"INSTALLDIR"));
    return ERROR_SUCCESS;
}

// After the files: the NSIS installer with the installation's folder, the uninstaller with none.
extern "C" __declspec(dllexport) void WINAPI FinishInstall(const wchar_t* folder) {
    ReleaseEndRequest();
    if (ProgramsEnded() && folder != nullptr && *folder != L'\0') {
        StartInstalledTrayProgram(folder);
    }
}
