#pragma once

#include <windows.h>

#include <string>

namespace ui {

// A Wine virtual desktop of its own, with the taskbar and notification area of Wine's explorer.
// The calling thread joins it, so that window searches see its windows, and programs started with
// TestProcess::Start in it show their windows there. Wine draws the desktop in one X window;
// without it windows have no frame or caption.
class VirtualDesktop {
public:
    VirtualDesktop(const std::string& name, int width, int height);
    ~VirtualDesktop();
    VirtualDesktop(const VirtualDesktop&) = delete;
    VirtualDesktop& operator=(const VirtualDesktop&) = delete;

    // False when the desktop could not be made, for example without an X display.
    bool IsReady() const { return ready_; }
    const std::string& Name() const { return name_; }

    // The taskbar, whose right end holds the notification area. Explorer shows it once the
    // desktop has a window or an icon to list.
    HWND Taskbar() const;

private:
    std::string name_;
    PROCESS_INFORMATION explorer_{};
    HDESK desktop_ = nullptr;
    bool ready_ = false;
};

}  // namespace ui
