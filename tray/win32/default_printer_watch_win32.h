#pragma once

#include <windows.h>

#include <memory>

#include "common/platform/win32/unique_handles_win32.h"

// Tells the host window when Windows' default printer changes, whoever changes it: the printer is
// the "Device" value of the user's Windows key. The registry signals an event, and a wait on the
// thread pool posts the message, so that the change is handled on the window's own thread.
class DefaultPrinterWatch {
public:
    // Watches from now on; nullptr when the key cannot be watched.
    static std::unique_ptr<DefaultPrinterWatch> Start(HWND window, UINT message);

    ~DefaultPrinterWatch();
    DefaultPrinterWatch(const DefaultPrinterWatch&) = delete;
    DefaultPrinterWatch& operator=(const DefaultPrinterWatch&) = delete;

    // The registry reports one change per request: asks for the next one. Called after each
    // message, before the value is read, so that no change goes unseen.
    bool Rearm();

private:
    DefaultPrinterWatch(HWND window, UINT message) : window_(window), message_(message) {}
    static VOID CALLBACK OnChange(PVOID watch, BOOLEAN timedOut);

    HWND window_;
    UINT message_;
    UniqueRegistryKey key_;
    UniqueHandle changed_;
    HANDLE wait_ = nullptr;
};
