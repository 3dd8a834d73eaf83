// Poses the Console for the screenshots of the README: starts it, opens what the pose names and
// saves that part of the screen as a bitmap file, then closes the Console.
//
//   console_pose main-window|help-menu|network-list|last-run BITMAP-FILE
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "console/running_console.h"

namespace {

RECT ScreenRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT Union(RECT a, const RECT& b) {
    UnionRect(&a, &a, &b);
    return a;
}

// Saves the screen rectangle, with a margin of desktop around it, as a 24-bit bitmap file.
bool SaveScreen(RECT rect, const char* path) {
    InflateRect(&rect, 12, 12);
    rect.left = std::max<LONG>(0, rect.left);
    rect.top = std::max<LONG>(0, rect.top);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    const DWORD size = stride * static_cast<DWORD>(height);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + size;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    out.write(static_cast<const char*>(bits), size);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return out.good();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: console_pose main-window|help-menu|network-list|last-run RECT-FILE\n",
                   stderr);
        return 2;
    }
    const std::string pose = argv[1];
    RunningConsole console;
    if (console.Window() == nullptr || !console.BringToFront()) {
        return 1;
    }
    RECT shown = ScreenRect(console.Window());
    if (pose == "help-menu") {
        PressKey(VK_F10);
        PressKey(VK_DOWN);
        const HWND menu = WaitForPopupMenu();
        if (menu == nullptr) {
            return 1;
        }
        shown = Union(shown, ScreenRect(menu));
    } else if (pose == "network-list" || pose == "last-run") {
        console.PostCommand(pose == "network-list" ? 1025 : 1027);
        const HWND list = console.WaitForDialog();
        if (list == nullptr) {
            return 1;
        }
        shown = ScreenRect(list);
    }
    // Time to paint.
    Sleep(1000);
    return SaveScreen(shown, argv[2]) ? 0 : 1;
}
