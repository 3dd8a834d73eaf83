#include "tray/win32/notify_icon_win32.h"

#include <cwchar>

#include "common/platform/win32/ansi_text_win32.h"
#include "common/platform/win32/sized_icon_win32.h"

void NotifyIcon::Add(HWND window, HINSTANCE instance) {
    // The size field gives the full record of the build (956 bytes in a 32-bit build, 976 in a
    // 64-bit one); from it the shell learns which form of the record it gets.
    record_ = {};
    record_.cbSize = sizeof(record_);
    record_.hWnd = window;
    record_.uID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(instance));
    record_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record_.uCallbackMessage = CallbackMessage;
    // The notification area shows small icons: 16 pixels at 100 % scale, 24 at 150 %.
    const UniqueIcon icon = LoadSizedIcon(instance, "LMV1", SM_CXSMICON, SystemDpi());
    record_.hIcon = icon.get();
    std::wcsncpy(record_.szTip, L"Lumivo", std::size(record_.szTip) - 1);

    Shell_NotifyIconW(NIM_ADD, &record_);
    added_ = true;
    noticeIcon_ = LoadSizedIcon(instance, "LMV1", SM_CXICON, SystemDpi());
    // The shell keeps its own copy of the picture.
    record_.hIcon = nullptr;
}

void NotifyIcon::ShowNotice(const std::string& title, const std::string& text) {
    if (!added_) {
        return;
    }
    NOTIFYICONDATAW notice = record_;
    notice.uFlags = NIF_INFO;
    std::wcsncpy(notice.szInfoTitle, Utf8ToWide(title).c_str(), std::size(notice.szInfoTitle) - 1);
    std::wcsncpy(notice.szInfo, Utf8ToWide(text).c_str(), std::size(notice.szInfo) - 1);
    notice.dwInfoFlags = NIIF_USER | NIIF_LARGE_ICON | NIIF_RESPECT_QUIET_TIME | NIIF_NOSOUND;
    notice.hBalloonIcon = noticeIcon_.get();
    Shell_NotifyIconW(NIM_MODIFY, &notice);
}

void NotifyIcon::Remove() {
    if (added_) {
        Shell_NotifyIconW(NIM_DELETE, &record_);
        added_ = false;
    }
}
