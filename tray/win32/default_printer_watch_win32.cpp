#include "tray/win32/default_printer_watch_win32.h"

namespace {

constexpr char WindowsKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";

}  // namespace

std::unique_ptr<DefaultPrinterWatch> DefaultPrinterWatch::Start(HWND window, UINT message) {
    std::unique_ptr<DefaultPrinterWatch> watch(new DefaultPrinterWatch(window, message));
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, WindowsKey, 0, KEY_NOTIFY, &key) != ERROR_SUCCESS) {
        return nullptr;
    }
    watch->key_.reset(key);
    // Auto-reset, so that the pool's wait fires once per change.
    watch->changed_.reset(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    if (!watch->changed_ || !watch->Rearm() ||
        !RegisterWaitForSingleObject(&watch->wait_, watch->changed_.get(), OnChange, watch.get(),
                                     INFINITE, WT_EXECUTEDEFAULT)) {
        return nullptr;
    }
    return watch;
}

DefaultPrinterWatch::~DefaultPrinterWatch() {
    if (wait_ != nullptr) {
        // Waits for a callback under way, which uses this object.
        UnregisterWaitEx(wait_, INVALID_HANDLE_VALUE);
    }
}

bool DefaultPrinterWatch::Rearm() {
    return RegNotifyChangeKeyValue(key_.get(), FALSE, REG_NOTIFY_CHANGE_LAST_SET, changed_.get(),
                                   TRUE) == ERROR_SUCCESS;
}

VOID CALLBACK DefaultPrinterWatch::OnChange(PVOID watch, BOOLEAN) {
    const auto* self = static_cast<const DefaultPrinterWatch*>(watch);
    PostMessageA(self->window_, self->message_, 0, 0);
}
