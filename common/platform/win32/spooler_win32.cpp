#include "common/platform/win32/spooler_win32.h"

#include <windows.h>
#include <commdlg.h>
#include <winspool.h>

#include "common/platform/win32/ansi_text_win32.h"
#include "common/platform/win32/unique_handles_win32.h"

SpoolerStatus Win32Spooler::SetDefaultPrinterA(const std::string& printerName) {
    if (::SetDefaultPrinterA(printerName.c_str())) {
        return SpoolerSuccess;
    }
    // A failure that leaves no code still counts as one.
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? error : ERROR_GEN_FAILURE;
}

std::vector<std::string> Win32Spooler::PrinterNames() {
    constexpr DWORD Flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS | PRINTER_ENUM_NETWORK;
    DWORD needed = 0;
    DWORD count = 0;
    EnumPrintersA(Flags, nullptr, 2, nullptr, 0, &needed, &count);
    std::vector<std::string> names;
    if (needed == 0) {
        return names;
    }
    std::vector<BYTE> buffer(needed);
    if (!EnumPrintersA(Flags, nullptr, 2, buffer.data(), needed, &needed, &count)) {
        return names;
    }
    const auto* printers = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) {
        names.emplace_back(printers[i].pPrinterName ? printers[i].pPrinterName : "");
    }
    return names;
}

std::string Win32Spooler::PresentDefaultPrinter() {
    PRINTDLGW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.Flags = PD_RETURNDEFAULT;
    const bool found = PrintDlgW(&dialog) != FALSE;
    const UniqueGlobal devMode(dialog.hDevMode);
    const UniqueGlobal devNames(dialog.hDevNames);
    if (!found) {
        return {};
    }
    const LockedGlobal<DEVNAMES> names(devNames.get());
    if (names.get() == nullptr) {
        return {};
    }
    const auto* text = reinterpret_cast<const wchar_t*>(names.get());
    return WideToAnsiText(text + names.get()->wDeviceOffset);
}
