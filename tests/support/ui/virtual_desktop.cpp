#include "virtual_desktop.h"

#include "ui_helper.h"

namespace ui {

VirtualDesktop::VirtualDesktop(const std::string& name, int width, int height) : name_(name) {
    std::string commandLine = "explorer.exe /desktop=" + name + "," + std::to_string(width) + "x" +
                              std::to_string(height);
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &explorer_)) {
        explorer_ = {};
        return;
    }
    WaitUntil([&] {
        desktop_ = OpenDesktopA(name.c_str(), 0, FALSE, GENERIC_ALL);
        return desktop_ != nullptr;
    });
    // The desktop object exists before explorer has made its desktop window; a thread that
    // looked for windows there in between would make Wine start a second explorer of its own.
    WaitForInputIdle(explorer_.hProcess, 10'000);
    // The thread may change its desktop only while it owns no window, which holds for test code.
    ready_ = desktop_ != nullptr && SetThreadDesktop(desktop_) &&
             WaitUntil([&] { return Taskbar() != nullptr; });
}

VirtualDesktop::~VirtualDesktop() {
    if (explorer_.hProcess != nullptr) {
        TerminateProcess(explorer_.hProcess, 0);
        WaitForSingleObject(explorer_.hProcess, 5000);
        CloseHandle(explorer_.hProcess);
        CloseHandle(explorer_.hThread);
    }
    if (desktop_ != nullptr) {
        CloseDesktop(desktop_);
    }
}

HWND VirtualDesktop::Taskbar() const {
    return FindWindowA("Shell_TrayWnd", nullptr);
}

}  // namespace ui
