// "Lumivo Console.exe": builds the Windows side of every seam once and runs the Console.
#include <windows.h>
#include <commctrl.h>

#include "common/platform/win32/adapters_win32.h"
#include "common/platform/win32/clock_win32.h"
#include "common/platform/win32/unique_handles_win32.h"
#include "common/platform/win32/message_boxes_win32.h"
#include "common/platform/win32/network_list_win32.h"
#include "common/platform/win32/processes_win32.h"
#include "common/platform/win32/registry_win32.h"
#include "common/platform/win32/resource_texts_win32.h"
#include "common/platform/win32/spooler_win32.h"
#include "common/platform/win32/system_library_win32.h"
#include "common/platform/win32/version_queries_win32.h"
#include "common/services/update_check_thread.h"
#include "common/text/texts.h"
#include "console/console_run.h"
#include "console/console_texts.h"
#include "console/win32/main_window_win32.h"

namespace {

// Every common control class the Console's windows use and more: ICC_WIN95_CLASSES,
// ICC_DATE_CLASSES and ICC_INTERNET_CLASSES.
constexpr DWORD CommonControlClasses = 0x9FF;

class Win32ConsoleWindows final : public ConsoleWindows {
public:
    explicit Win32ConsoleWindows(ConsolePlatform& platform) : platform_(platform) {}

    void StartUpdateCheck(const std::string& mainCaption) override {
        ::StartUpdateCheck(
            UpdateCheckProgram{mainCaption, ConsoleVersion, UpdateCheckForm::Console});
    }

    void InitialiseCommonControls() override {
        // The program also imports COMCTL32.DLL (InitCommonControls below), so releasing this
        // load keeps the classes registered.
        const UniqueLibrary comctl32 = LoadSystemLibrary(L"COMCTL32.DLL");
        if (comctl32.get() == nullptr) {
            return;
        }
        using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
        const auto initEx = reinterpret_cast<InitFunction>(
            reinterpret_cast<void*>(GetProcAddress(comctl32.get(), "InitCommonControlsEx")));
        if (initEx != nullptr) {
            INITCOMMONCONTROLSEX classes{};
            classes.dwSize = sizeof classes;
            classes.dwICC = CommonControlClasses;
            initEx(&classes);
        } else {
            InitCommonControls();
        }
    }

    bool RunMainWindow(const std::string& mainCaption, bool showLastRun) override {
        return ::RunMainWindow(platform_, mainCaption, showLastRun);
    }

private:
    ConsolePlatform& platform_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    UseTextSource(ProgramTexts());
    Win32Registry registry;
    Win32NetworkList networks;
    Win32Spooler spooler;
    Win32Clock clock;
    Win32VersionQueries versions;
    Win32MessageBoxes messageBoxes;
    Win32Processes processes;
    Win32Adapters adapters;
    ConsolePlatform platform{registry, networks,     spooler,   clock,
                             versions, messageBoxes, processes, adapters};
    Win32ConsoleWindows windows(platform);
    RunConsole(registry, versions, messageBoxes, processes, windows, commandLine);
    return 0;
}
