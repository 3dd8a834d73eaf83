#include "ui_helper.h"

#include <cctype>
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

namespace {

std::string AnsiText(const std::wstring& wide) {
    const int size = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), text.data(), size,
                        nullptr, nullptr);
    return text;
}

// The items of a list box or combo box, asked for with its count, length and text messages.
std::vector<std::string> Items(HWND box, UINT countMessage, UINT lengthMessage, UINT textMessage) {
    std::vector<std::string> items;
    const auto count = static_cast<int>(SendMessageW(box, countMessage, 0, 0));
    for (int i = 0; i < count; ++i) {
        const auto length = SendMessageW(box, lengthMessage, static_cast<WPARAM>(i), 0);
        std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
        SendMessageW(box, textMessage, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(item.data()));
        item.resize(static_cast<std::size_t>(length));
        items.push_back(AnsiText(item));
    }
    return items;
}

}  // namespace

std::wstring WindowWideText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string WindowText(HWND window) {
    return AnsiText(WindowWideText(window));
}

bool IsNoticeShown() {
    for (HWND tip = FindWindowExA(nullptr, nullptr, "tooltips_class32", nullptr); tip != nullptr;
         tip = FindWindowExA(nullptr, tip, "tooltips_class32", nullptr)) {
        if (IsWindowVisible(tip)) {
            return true;
        }
    }
    return false;
}

std::string ControlText(HWND control) {
    const auto length = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return AnsiText(text);
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

std::wstring MessageBoxWideText(HWND box) {
    // The message's static control: 0xFFFF on Windows, 100 in Wine's message box.
    for (const int id : {0xFFFF, 100}) {
        if (const HWND text = GetDlgItem(box, id)) {
            return WindowWideText(text);
        }
    }
    return {};
}

std::string MessageBoxText(HWND box) {
    return AnsiText(MessageBoxWideText(box));
}

std::vector<std::string> ListBoxItems(HWND listBox) {
    return Items(listBox, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

std::vector<std::string> ComboBoxItems(HWND comboBox) {
    return Items(comboBox, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
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
    // The pointer moves to the point in the same input stream as the press, so that the press
    // happens where the pointer is.
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT clicks[3]{};
    for (INPUT& click : clicks) {
        click.type = INPUT_MOUSE;
        click.mi.dx = MulDiv(x, 65535, width - 1);
        click.mi.dy = MulDiv(y, 65535, height - 1);
        click.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    }
    clicks[1].mi.dwFlags |= rightButton ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    clicks[2].mi.dwFlags |= rightButton ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    SendInput(3, clicks, sizeof(INPUT));
    std::this_thread::sleep_for(100ms);
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
    std::this_thread::sleep_for(100ms);
}

void PressKeyWith(WORD heldKey, WORD virtualKey) {
    INPUT keys[4]{};
    for (INPUT& key : keys) {
        key.type = INPUT_KEYBOARD;
    }
    keys[0].ki.wVk = keys[3].ki.wVk = heldKey;
    keys[1].ki.wVk = keys[2].ki.wVk = virtualKey;
    keys[2].ki.dwFlags = keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, keys, sizeof(INPUT));
    std::this_thread::sleep_for(100ms);
}

void TypeText(const std::string& text) {
    std::vector<INPUT> keys;
    for (const char c : text) {
        // The keys of letters are named by their capitals; unshifted they type small letters.
        INPUT key{};
        key.type = INPUT_KEYBOARD;
        key.ki.wVk = static_cast<WORD>(std::toupper(static_cast<unsigned char>(c)));
        keys.push_back(key);
        key.ki.dwFlags = KEYEVENTF_KEYUP;
        keys.push_back(key);
    }
    SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
    std::this_thread::sleep_for(200ms);
}

HWND WaitForPopupMenu(std::chrono::milliseconds timeout) {
    HWND menu = nullptr;
    WaitUntil(
        [&] {
            menu = FindWindowA(MenuClass, nullptr);
            return menu != nullptr && IsWindowVisible(menu);
        },
        timeout);
    return menu != nullptr && IsWindowVisible(menu) ? menu : nullptr;
}

void ChoosePopupMenuItem(HWND menu, int index, int itemCount) {
    // The items of a menu without separators are of one height.
    RECT rect{};
    GetWindowRect(menu, &rect);
    ClickAt((rect.left + rect.right) / 2,
            rect.top + (rect.bottom - rect.top) * (2 * index + 1) / (2 * itemCount));
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

bool SaveScreenBitmap(const RECT& area, const std::string& windowsPath) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
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
    bool saved = BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY) != FALSE;
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

namespace {

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
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return SaveScreenBitmap(screen, WindowsPathOf(bitmapPath)) &&
           StartUnixCommand("/bin/sh -c \"convert 'bmp:" + bitmapPath + "' 'png:" + partPath +
                            "' && mv '" + partPath + "' '" + unixPath + "'; rm -f '" + bitmapPath +
                            "'\"") &&
           WaitUntil([&] { return FileExists(WindowsPathOf(unixPath)); }, 30s);
}

}  // namespace ui
