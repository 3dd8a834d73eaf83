#include "console/running_console.h"

#include <commctrl.h>

#include <cctype>

#include "wine/probe_programs.h"

namespace {

constexpr DWORD kStartTimeoutMs = 20000;

INT_PTR CALLBACK QuietDialog(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// An empty 8-point "MS Sans Serif" dialog template, as the Console's windows use.
std::vector<WORD> FontTemplate() {
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto* header = reinterpret_cast<DLGTEMPLATE*>(words.data());
    header->style = DS_SETFONT | WS_POPUP;
    header->cx = 100;
    header->cy = 100;
    words.insert(words.end(), {0, 0, 0, 8});  // no menu, default class, no title; 8 points
    for (const char* c = "MS Sans Serif"; *c != '\0'; ++c) {
        words.push_back(static_cast<WORD>(*c));
    }
    words.push_back(0);
    return words;
}

// Memory in another process, for messages whose data the system does not carry across.
class RemoteMemory {
public:
    RemoteMemory(HANDLE process, SIZE_T size)
        : process_(process),
          address_(
              VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}
    ~RemoteMemory() {
        if (address_ != nullptr) {
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        }
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    char* At(SIZE_T offset) const { return static_cast<char*>(address_) + offset; }

    template <typename T>
    void Write(SIZE_T offset, const T& value) const {
        WriteProcessMemory(process_, At(offset), &value, sizeof value, nullptr);
    }
    template <typename T>
    T Read(SIZE_T offset) const {
        T value{};
        ReadProcessMemory(process_, At(offset), &value, sizeof value, nullptr);
        return value;
    }
    std::string ReadText(SIZE_T offset, SIZE_T size) const {
        std::string text(size, '\0');
        ReadProcessMemory(process_, At(offset), text.data(), size, nullptr);
        return text.substr(0, text.find('\0'));
    }

private:
    HANDLE process_;
    void* address_;
};

constexpr SIZE_T kTextOffset = 256;
constexpr int kTextRoom = 1024;

struct TopLevelSearch {
    DWORD processId;
    HWND exclude;
    HWND found;
};

BOOL CALLBACK FindDialogOfProcess(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<TopLevelSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner == search->processId && window != search->exclude && IsWindowVisible(window) &&
        std::string(className) == "#32770") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// Texts cross from the Console's windows as UTF-16 (Wine hands some ANSI requests across
// processes without converting them) and become ANSI here.
std::string AnsiText(const std::wstring& wide) {
    const int size = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), text.data(), size,
                        nullptr, nullptr);
    return text;
}

}  // namespace

const DialogFont& DialogFont::MsSansSerif8() {
    static const DialogFont font = [] {
        std::vector<WORD> words = FontTemplate();
        HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                                 reinterpret_cast<DLGTEMPLATE*>(words.data()),
                                                 nullptr, QuietDialog, 0);
        RECT units{0, 0, 4, 8};
        MapDialogRect(dialog, &units);
        DestroyWindow(dialog);
        return DialogFont{units.right, units.bottom};
    }();
    return font;
}

DialogFont DialogFont::MsSansSerif8At(int dpi) {
    LOGFONTA look{};
    look.lfHeight = -MulDiv(8, dpi, 72);
    look.lfWeight = FW_NORMAL;
    lstrcpyA(look.lfFaceName, "MS Sans Serif");
    const HFONT font = CreateFontIndirectA(&look);
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(screen, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(screen, &metrics);
    SIZE letters{};
    GetTextExtentPoint32A(screen, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52,
                          &letters);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    DeleteObject(font);
    return DialogFont{(letters.cx / 26 + 1) / 2, metrics.tmHeight};
}

void PrintTo(const UnitRect& rect, std::ostream* out) {
    *out << "{" << rect.x << ", " << rect.y << ", " << rect.width << ", " << rect.height << "}";
}

void PrintTo(const ListRow& row, std::ostream* out) {
    *out << "{\"" << row.network << "\", \"" << row.printer << "\", " << row.itemData << "}";
}

UnitRect DialogFont::Units(const RECT& pixels) const {
    return UnitRect{UnitsX(pixels.left), UnitsY(pixels.top), UnitsX(pixels.right - pixels.left),
                    UnitsY(pixels.bottom - pixels.top)};
}

std::filesystem::path ConsoleProgram() {
    return TestProgramFolder() / "Lumivo Console.exe";
}

RunningConsole::RunningConsole(const std::filesystem::path& program) {
    std::wstring commandLine = L"\"" + program.wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    const std::wstring folder = program.parent_path().wstring();
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &started)) {
        return;
    }
    process_ = UniqueHandle(started.hProcess);
    CloseHandle(started.hThread);
    processId_ = started.dwProcessId;
    WaitForFirstWindow();
}

RunningConsole::RunningConsole(DWORD processId)
    : process_(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE |
                               PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE,
                           FALSE, processId)) {
    if (process_) {
        processId_ = processId;
        WaitForFirstWindow();
    }
}

void RunningConsole::WaitForFirstWindow() {
    HWND shown = nullptr;
    WaitUntil([&] { return (shown = FindTopLevel(false)) != nullptr || WaitForExit(0); },
              kStartTimeoutMs);
    if (shown != nullptr && GetDlgItem(shown, 1012) != nullptr) {
        window_ = shown;
    }
}

RunningConsole::~RunningConsole() {
    if (process_ && !WaitForExit(0)) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), 5000);
    }
}

std::string RunningConsole::Caption() const {
    return WindowText(window_);
}

std::string RunningConsole::Text(int id) const {
    // Asked for with WM_GETTEXT: GetWindowText gives another process's controls' creation text.
    const HWND control = Control(id);
    const auto length = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return AnsiText(text);
}

std::string RunningConsole::ClassName(int id) const {
    char name[64] = {};
    GetClassNameA(Control(id), name, sizeof name);
    return name;
}

UnitRect RunningConsole::ControlUnits(int id, const DialogFont& font) const {
    RECT rect{};
    GetWindowRect(Control(id), &rect);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&rect), 2);
    return font.Units(rect);
}

UnitRect RunningConsole::ClientUnits() const {
    RECT rect{};
    GetClientRect(window_, &rect);
    return DialogFont::MsSansSerif8().Units(rect);
}

UnitRect RunningConsole::WindowUnits() const {
    RECT rect{};
    GetWindowRect(window_, &rect);
    return DialogFont::MsSansSerif8().Units(rect);
}

std::vector<int> RunningConsole::ControlIds() const {
    std::vector<int> ids;
    for (HWND child = GetWindow(window_, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        ids.push_back(GetDlgCtrlID(child));
    }
    return ids;
}

std::vector<std::string> RunningConsole::ComboItems(int id) const {
    std::vector<std::string> items;
    const HWND box = Control(id);
    const auto count = static_cast<int>(SendMessageA(box, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const auto length = SendMessageW(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
        SendMessageW(box, CB_GETLBTEXT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(item.data()));
        item.resize(static_cast<std::size_t>(length));
        items.push_back(AnsiText(item));
    }
    return items;
}

std::vector<ListRow> RunningConsole::Rows() const {
    std::vector<ListRow> rows;
    const HWND list = Control(1012);
    const RemoteMemory memory(process_.get(), kTextOffset + kTextRoom);
    const auto count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        ListRow row;
        for (int column = 0; column < 2; ++column) {
            LVITEMA item{};
            item.iSubItem = column;
            item.pszText = memory.At(kTextOffset);
            item.cchTextMax = kTextRoom;
            memory.Write(0, item);
            SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(memory.At(0)));
            (column == 0 ? row.network : row.printer) = memory.ReadText(kTextOffset, kTextRoom);
        }
        LVITEMA item{};
        item.mask = LVIF_PARAM;
        item.iItem = i;
        memory.Write(0, item);
        SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(memory.At(0)));
        row.itemData = memory.Read<LVITEMA>(0).lParam;
        rows.push_back(row);
    }
    return rows;
}

int RunningConsole::ColumnWidthUnits(int column, const DialogFont& font) const {
    const auto pixels = static_cast<int>(
        SendMessageA(Control(1012), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
    return font.UnitsX(pixels);
}

void RunningConsole::SelectRow(int index) const {
    const RemoteMemory memory(process_.get(), sizeof(LVITEMA));
    LVITEMA clear{};
    clear.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    memory.Write(0, clear);
    SendMessageA(Control(1012), LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(memory.At(0)));
    if (index < 0) {
        return;
    }
    LVITEMA select = clear;
    select.state = LVIS_SELECTED | LVIS_FOCUSED;
    memory.Write(0, select);
    SendMessageA(Control(1012), LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(memory.At(0)));
}

POINT RunningConsole::RowPoint(int index) const {
    const RemoteMemory memory(process_.get(), sizeof(RECT));
    RECT bounds{};
    bounds.left = LVIR_LABEL;
    memory.Write(0, bounds);
    SendMessageA(Control(1012), LVM_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(memory.At(0)));
    bounds = memory.Read<RECT>(0);
    POINT point{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
    ClientToScreen(Control(1012), &point);
    return point;
}

HWND RunningConsole::EditRowLabel(int index) const {
    SetForegroundWindow(window_);
    SetFocus(Control(1012));
    return reinterpret_cast<HWND>(
        SendMessageA(Control(1012), LVM_EDITLABELA, static_cast<WPARAM>(index), 0));
}

bool RunningConsole::BringToFront() const {
    SetForegroundWindow(window_);
    return WaitUntil([&] { return GetForegroundWindow() == window_; });
}

void RunningConsole::Click(int id) const {
    SendMessageA(window_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Control(id)));
}

void RunningConsole::PostClick(int id) const {
    PostMessageA(Control(id), BM_CLICK, 0, 0);
}

void RunningConsole::PostCommand(int id) const {
    PostMessageA(window_, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void RunningConsole::SetText(int id, const std::string& text) const {
    SetWindowTextA(Control(id), text.c_str());
}

void RunningConsole::MoveWindowTo(int x, int y, int width, int height) const {
    SetWindowPos(window_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void RunningConsole::ChangeDpi(int dpi, const RECT& suggested) const {
    // The rectangle travels by pointer, so it goes into the Console's memory first.
    const RemoteMemory memory(process_.get(), sizeof suggested);
    memory.Write(0, suggested);
    SendMessageA(window_, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(memory.At(0)));
}

bool RunningConsole::CloseWithCloseBox() {
    PostMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
    return WaitForExit();
}

bool RunningConsole::WaitForExit(DWORD timeoutMs) const {
    return process_ && WaitForSingleObject(process_.get(), timeoutMs) == WAIT_OBJECT_0;
}

DWORD RunningConsole::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (process_) {
        GetExitCodeProcess(process_.get(), &code);
    }
    return code;
}

HWND RunningConsole::WaitForMessageBox(DWORD timeoutMs) const {
    HWND box = nullptr;
    WaitUntil([&] { return (box = FindTopLevel(true)) != nullptr; }, timeoutMs);
    return box;
}

HWND RunningConsole::FindTopLevel(bool messageBox) const {
    TopLevelSearch search{processId_, messageBox ? window_ : nullptr, nullptr};
    EnumWindows(FindDialogOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

namespace {

// A press and release of a mouse button with the pointer moved to the point first, all in one
// input stream so that the press happens where the pointer is.
void ClickAt(POINT point, DWORD down, DWORD up) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT clicks[3] = {};
    for (INPUT& click : clicks) {
        click.type = INPUT_MOUSE;
        click.mi.dx = MulDiv(point.x, 65535, width - 1);
        click.mi.dy = MulDiv(point.y, 65535, height - 1);
        click.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    }
    clicks[1].mi.dwFlags |= down;
    clicks[2].mi.dwFlags |= up;
    SendInput(3, clicks, sizeof(INPUT));
    Sleep(100);
}

}  // namespace

void RightClickAt(POINT point) {
    ClickAt(point, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
}

void LeftClickAt(POINT point) {
    ClickAt(point, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
}

void ChoosePopupMenuItem(HWND menu, int index, int itemCount) {
    // The items of a menu without separators are of one height.
    RECT rect{};
    GetWindowRect(menu, &rect);
    const POINT point{(rect.left + rect.right) / 2,
                      rect.top + (rect.bottom - rect.top) * (2 * index + 1) / (2 * itemCount)};
    ClickAt(point, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
}

void PressKey(WORD virtualKey) {
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = virtualKey;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
    Sleep(100);
}

void PressKeyWith(WORD heldKey, WORD virtualKey) {
    INPUT keys[4] = {};
    for (INPUT& key : keys) {
        key.type = INPUT_KEYBOARD;
    }
    keys[0].ki.wVk = keys[3].ki.wVk = heldKey;
    keys[1].ki.wVk = keys[2].ki.wVk = virtualKey;
    keys[2].ki.dwFlags = keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, keys, sizeof(INPUT));
    Sleep(100);
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
    Sleep(200);
}

HWND WaitForPopupMenu(DWORD timeoutMs) {
    HWND menu = nullptr;
    WaitUntil(
        [&] {
            menu = FindWindowA("#32768", nullptr);
            return menu != nullptr && IsWindowVisible(menu);
        },
        timeoutMs);
    return menu != nullptr && IsWindowVisible(menu) ? menu : nullptr;
}

std::string WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return AnsiText(text);
}

std::wstring MessageBoxWideText(HWND box) {
    // The message's static control: 0xFFFF on Windows, 100 in Wine's message box.
    for (const int id : {0xFFFF, 100}) {
        if (const HWND text = GetDlgItem(box, id)) {
            std::wstring wide(static_cast<std::size_t>(GetWindowTextLengthW(text)) + 1, L'\0');
            wide.resize(static_cast<std::size_t>(
                GetWindowTextW(text, wide.data(), static_cast<int>(wide.size()))));
            return wide;
        }
    }
    return std::wstring();
}

std::string MessageBoxText(HWND box) {
    return AnsiText(MessageBoxWideText(box));
}

std::vector<std::string> ListBoxItems(HWND listBox) {
    std::vector<std::string> items;
    const auto count = static_cast<int>(SendMessageW(listBox, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const auto length = SendMessageW(listBox, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
        SendMessageW(listBox, LB_GETTEXT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(item.data()));
        item.resize(static_cast<std::size_t>(length));
        items.push_back(AnsiText(item));
    }
    return items;
}

void PressMessageBoxButton(HWND box, int buttonId) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, buttonId)));
}
