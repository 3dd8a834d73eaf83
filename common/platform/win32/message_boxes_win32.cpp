#include "common/platform/win32/message_boxes_win32.h"

#include <windows.h>

#include "common/platform/win32/ansi_text_win32.h"

int Win32MessageBoxes::MessageBoxW(const std::string& text, const std::string& caption,
                                   std::uint32_t type) {
    return ::MessageBoxW(nullptr, Utf8ToWide(text).c_str(), Utf8ToWide(caption).c_str(), type);
}
