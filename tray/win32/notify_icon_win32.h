#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "common/platform/win32/unique_handles_win32.h"

// The tray program's icon in the notification area. One record serves the whole lifetime: the
// shell finds the icon again by its window and identifier when it is removed.
class NotifyIcon {
public:
    // The callback message through which the shell reports mouse activity on the icon.
    static constexpr UINT CallbackMessage = WM_USER + 400;

    // Adds the icon "LMV1" with the tip "Lumivo" for the given window. A failed add is not
    // retried; the program then runs on without an icon.
    void Add(HWND window, HINSTANCE instance);

    // Shows a notice beside the icon (a toast on Windows 10 and 11), with the Lumivo icon, no
    // sound and not while the user does not want to be disturbed; the texts are UTF-8. The shell
    // reports a click on
    // it as NIN_BALLOONUSERCLICK through the callback message.
    void ShowNotice(const std::string& title, const std::string& text);

    // Removes the icon, if one was added.
    void Remove();

private:
    NOTIFYICONDATAW record_{};
    bool added_ = false;
    UniqueIcon noticeIcon_;
};
