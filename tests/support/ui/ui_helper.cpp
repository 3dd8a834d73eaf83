#include "ui_helper.h"

#include <thread>

namespace ui {

namespace {

struct WindowSearch {
    DWORD processId;
    const std::string& className;
    const std::string& title;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId &&
        (search.className.empty() || WindowClass(window) == search.className) &&
        (search.title.empty() || WindowText(window) == search.title)) {
        search.found.push_back(window);
    }
    return TRUE;
}

BOOL CALLBACK CollectChildText(HWND child, LPARAM context) {
    auto& texts = *reinterpret_cast<std::vector<std::string>*>(context);
    texts.push_back(WindowText(child));
    return TRUE;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(50ms);
    }
}

std::string WindowText(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

std::string WindowClass(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof(name));
    return name;
}

std::vector<HWND> TopLevelWindows(DWORD processId, const std::string& className,
                                  const std::string& title) {
    WindowSearch search{processId, className, title, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindTopLevelWindow(DWORD processId, const std::string& className, const std::string& title) {
    const auto windows = TopLevelWindows(processId, className, title);
    return windows.empty() ? nullptr : windows.front();
}

HWND WaitForTopLevelWindow(DWORD processId, const std::string& className, const std::string& title,
                           std::chrono::milliseconds timeout) {
    HWND window = nullptr;
    WaitUntil([&] { return (window = FindTopLevelWindow(processId, className, title)) != nullptr; },
              timeout);
    return window;
}

std::string MessageBoxText(HWND box) {
    // The message box's text is a static control with the id 0xFFFF.
    return WindowText(GetDlgItem(box, 0xFFFF));
}

std::vector<std::string> ChildTexts(HWND window) {
    std::vector<std::string> texts;
    EnumChildWindows(window, CollectChildText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

void PressButton(HWND dialog, int buttonId) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, buttonId)));
}

void PostCommand(HWND window, int commandId) {
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

void ClickAt(int x, int y, bool rightButton) {
    SetCursorPos(x, y);
    INPUT clicks[2]{};
    clicks[0].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = rightButton ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    clicks[1].type = INPUT_MOUSE;
    clicks[1].mi.dwFlags = rightButton ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    SendInput(2, clicks, sizeof(INPUT));
}

void MoveCursorTo(int x, int y) {
    SetCursorPos(x, y);
    std::this_thread::sleep_for(500ms);
}

void PressKey(WORD virtualKey) {
    INPUT keys[2]{};
    keys[0].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = virtualKey;
    keys[1].type = INPUT_KEYBOARD;
    keys[1].ki.wVk = virtualKey;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
}

bool HasNotificationIcon(HWND owner, UINT id) {
    // Modifying nothing succeeds exactly when the shell knows the icon.
    NOTIFYICONDATAA probe{};
    probe.cbSize = sizeof(probe);
    probe.hWnd = owner;
    probe.uID = id;
    return Shell_NotifyIconA(NIM_MODIFY, &probe) != FALSE;
}

std::string WindowsPathOf(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return path;
}

std::string UnixPathOf(const std::string& windowsPath) {
    // Wine's own export; it answers a buffer from the process heap.
    using UnixFileName = char*(CDECL*)(LPCWSTR);
    const auto unixFileName = reinterpret_cast<UnixFileName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (unixFileName == nullptr) {
        return {};
    }
    std::wstring wide(windowsPath.begin(), windowsPath.end());
    char* mapped = unixFileName(wide.c_str());
    if (mapped == nullptr) {
        return {};
    }
    std::string path = mapped;
    HeapFree(GetProcessHeap(), 0, mapped);
    return path;
}

namespace {

bool SaveBitmapFile(const std::string& windowsPath) {
    HDC screen = GetDC(nullptr);
    const int width = GetDeviceCaps(screen, HORZRES);
    const int height = GetDeviceCaps(screen, VERTRES);
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header),
                                      DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    bool saved = BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY) != FALSE;
    GdiFlush();

    const DWORD imageSize = static_cast<DWORD>(((width * 3 + 3) & ~3) * height);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + imageSize;
    HANDLE output = CreateFileA(windowsPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    saved = saved && output != INVALID_HANDLE_VALUE &&
            WriteFile(output, &file, sizeof(file), &written, nullptr) &&
            WriteFile(output, &header, sizeof(header), &written, nullptr) &&
            WriteFile(output, bits, imageSize, &written, nullptr);
    if (output != INVALID_HANDLE_VALUE) {
        CloseHandle(output);
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(bitmap);
    ReleaseDC(nullptr, screen);
    return saved;
}

// Wine starts a Unix program from a Windows one but gives no handle to wait on, so the caller
// watches for the program's result instead.
bool StartUnixCommand(std::string commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    if (process.hThread != nullptr) {
        CloseHandle(process.hThread);
    }
    if (process.hProcess != nullptr) {
        CloseHandle(process.hProcess);
    }
    return true;
}

bool FileExists(const std::string& windowsPath) {
    return GetFileAttributesA(windowsPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

bool SaveScreenshot(const std::string& unixPath) {
    const std::string bitmapPath = unixPath + ".bmp";
    const std::string partPath = unixPath + ".part";
    DeleteFileA(WindowsPathOf(unixPath).c_str());
    // The PNG appears under its name only once it is whole.
    return SaveBitmapFile(WindowsPathOf(bitmapPath)) &&
           StartUnixCommand("/bin/sh -c \"convert 'bmp:" + bitmapPath + "' 'png:" + partPath +
                            "' && mv '" + partPath + "' '" + unixPath + "'; rm -f '" + bitmapPath +
                            "'\"") &&
           WaitUntil([&] { return FileExists(WindowsPathOf(unixPath)); }, 30s);
}

}  // namespace ui
