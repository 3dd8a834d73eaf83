#include "console/running_console.h"

#include <commctrl.h>

#include "console/console_ids.h"
#include "support/ui/list_view.h"
#include "support/ui/test_folder.h"
#include "support/ui/ui_helper.h"

namespace {

using namespace std::chrono_literals;

constexpr auto StartTimeout = 20s;

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

void PrintTo(const DialogRect& rect, std::ostream* out) {
    *out << "{" << rect.x << ", " << rect.y << ", " << rect.width << ", " << rect.height << "}";
}

void PrintTo(const ListRow& row, std::ostream* out) {
    *out << "{\"" << row.network << "\", \"" << row.printer << "\", " << row.itemData << "}";
}

DialogRect DialogFont::Units(const RECT& pixels) const {
    return DialogRect{UnitsX(pixels.left), UnitsY(pixels.top), UnitsX(pixels.right - pixels.left),
                      UnitsY(pixels.bottom - pixels.top)};
}

std::filesystem::path ConsoleProgram() {
    return ui::BuildFolder() / "Lumivo Console.exe";
}

RunningConsole::RunningConsole(const std::filesystem::path& program, const std::string& desktop,
                               const std::string& arguments) {
    std::string commandLine;
    if (!arguments.empty()) {
        commandLine.append("\"").append(program.string()).append("\" ").append(arguments);
    }
    if (process_.Start(program.string(), commandLine, program.parent_path().string(), desktop)) {
        WaitForFirstWindow();
    }
}

RunningConsole::RunningConsole(DWORD processId) {
    if (process_.Attach(processId)) {
        WaitForFirstWindow();
    }
}

void RunningConsole::WaitForFirstWindow() {
    ui::WaitUntil([&] { return FindDialog(nullptr) != nullptr || !process_.IsRunning(); },
                  StartTimeout);
    // A window shown over the main window at the start may come first in the list.
    for (const HWND dialog : ui::TopLevelWindows(process_.Id(), ui::DialogClass)) {
        if (IsWindowVisible(dialog) && GetDlgItem(dialog, IDC_MAPPING_LIST) != nullptr) {
            window_ = dialog;
        }
    }
}

HWND RunningConsole::FindDialog(HWND except) const {
    for (const HWND dialog : ui::TopLevelWindows(process_.Id(), ui::DialogClass)) {
        if (dialog != except && IsWindowVisible(dialog)) {
            return dialog;
        }
    }
    return nullptr;
}

std::string RunningConsole::Caption() const {
    return ui::WindowText(window_);
}

std::string RunningConsole::Text(int id) const {
    return ui::ControlText(Control(id));
}

std::string RunningConsole::ClassName(int id) const {
    return ui::WindowClass(Control(id));
}

DialogRect RunningConsole::ControlUnits(int id, const DialogFont& font) const {
    RECT rect{};
    GetWindowRect(Control(id), &rect);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&rect), 2);
    return font.Units(rect);
}

DialogRect RunningConsole::ClientUnits() const {
    RECT rect{};
    GetClientRect(window_, &rect);
    return DialogFont::MsSansSerif8().Units(rect);
}

DialogRect RunningConsole::WindowUnits() const {
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
    return ui::ComboBoxItems(Control(id));
}

std::vector<ListRow> RunningConsole::Rows() const {
    const HWND list = Control(IDC_MAPPING_LIST);
    std::vector<ListRow> rows;
    for (int i = 0; i < ui::ListViewItemCount(list); ++i) {
        rows.push_back({ui::ListViewItemText(list, i, 0), ui::ListViewItemText(list, i, 1),
                        ui::ListViewItemData(list, i)});
    }
    return rows;
}

int RunningConsole::ColumnWidthUnits(int column, const DialogFont& font) const {
    const auto pixels = static_cast<int>(SendMessageA(Control(IDC_MAPPING_LIST), LVM_GETCOLUMNWIDTH,
                                                      static_cast<WPARAM>(column), 0));
    return font.UnitsX(pixels);
}

void RunningConsole::SelectRow(int index) const {
    ui::SelectListViewItem(Control(IDC_MAPPING_LIST), index);
}

POINT RunningConsole::RowPoint(int index) const {
    return ui::ListViewItemPoint(Control(IDC_MAPPING_LIST), index);
}

HWND RunningConsole::EditRowLabel(int index) const {
    SetForegroundWindow(window_);
    SetFocus(Control(IDC_MAPPING_LIST));
    return reinterpret_cast<HWND>(
        SendMessageA(Control(IDC_MAPPING_LIST), LVM_EDITLABELA, static_cast<WPARAM>(index), 0));
}

bool RunningConsole::BringToFront() const {
    SetForegroundWindow(window_);
    return ui::WaitUntil([&] { return GetForegroundWindow() == window_; });
}

void RunningConsole::Click(int id) const {
    SendMessageA(window_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Control(id)));
}

void RunningConsole::PostClick(int id) const {
    PostMessageA(Control(id), BM_CLICK, 0, 0);
}

void RunningConsole::PostCommand(int id) const {
    ui::PostCommand(window_, id);
}

void RunningConsole::SetText(int id, const std::string& text) const {
    SetWindowTextA(Control(id), text.c_str());
}

HWND RunningConsole::WaitForMessageBox(DWORD timeoutMs) const {
    HWND box = nullptr;
    ui::WaitUntil([&] { return (box = FindDialog(window_)) != nullptr; },
                  std::chrono::milliseconds(timeoutMs));
    return box;
}

void RunningConsole::MoveWindowTo(int x, int y, int width, int height) const {
    SetWindowPos(window_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void RunningConsole::ChangeDpi(int dpi, const RECT& suggested) const {
    // The rectangle travels by pointer, so it goes into the Console's memory first.
    const ui::RemoteMemory memory(window_, sizeof suggested);
    memory.Write(0, suggested);
    SendMessageA(window_, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), memory.Parameter());
}

bool RunningConsole::CloseWithCloseBox() {
    PostMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
    return WaitForExit();
}

bool RunningConsole::WaitForExit(DWORD timeoutMs) const {
    return process_.WaitForExit(std::chrono::milliseconds(timeoutMs));
}
