#include "common/services/update_check_thread.h"

#include <windows.h>
#include <objbase.h>

#include <memory>

#include "common/platform/win32/clock_win32.h"
#include "common/platform/win32/internet_win32.h"
#include "common/platform/win32/message_boxes_win32.h"
#include "common/platform/win32/processes_win32.h"

namespace {

constexpr SIZE_T UpdateCheckStackSize = 1048576;

DWORD WINAPI UpdateCheckThread(LPVOID parameter) {
    const std::unique_ptr<UpdateCheckProgram> program(static_cast<UpdateCheckProgram*>(parameter));
    // The shell may use COM when it opens the download page.
    const HRESULT com = CoInitialize(nullptr);
    Win32Internet internet;
    Win32MessageBoxes messageBoxes;
    Win32Processes processes;
    Win32Clock clock;
    RunUpdateCheck(internet, messageBoxes, processes, clock, *program);
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return 0;
}

}  // namespace

UniqueHandle StartUpdateCheckThread(const UpdateCheckProgram& program) {
    auto threadProgram = std::make_unique<UpdateCheckProgram>(program);
    UniqueHandle thread(CreateThread(nullptr, UpdateCheckStackSize, UpdateCheckThread,
                                     threadProgram.get(), 0, nullptr));
    if (thread) {
        // The thread owns its copy of the identity from here on.
        threadProgram.release();
    }
    return thread;
}

void StartUpdateCheck(const UpdateCheckProgram& program) {
    StartUpdateCheckThread(program);
}
