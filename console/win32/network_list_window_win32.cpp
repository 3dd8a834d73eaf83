#include "console/win32/network_list_window_win32.h"

#include <algorithm>
#include <utility>

#include "console/console_ids.h"
#include "console/network_lists.h"

namespace {

// What the open list window shows, and the control that had the focus when it last lost
// activation.
struct NetworkListWindow {
    std::vector<std::string> lines;
    std::string heading;
    HWND focusMemory = nullptr;
};

NetworkListWindow listWindow;

// A window's device context with the window's font chosen into it, given back when it goes.
class WindowFontContext {
public:
    explicit WindowFontContext(HWND window)
        : window_(window),
          context_(GetDC(window)),
          previousFont_(SelectObject(
              context_, reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)))) {}
    WindowFontContext(const WindowFontContext&) = delete;
    WindowFontContext& operator=(const WindowFontContext&) = delete;
    ~WindowFontContext() {
        SelectObject(context_, previousFont_);
        ReleaseDC(window_, context_);
    }

    HDC get() const { return context_; }

private:
    HWND window_;
    HDC context_;
    HGDIOBJ previousFont_;
};

// The width in pixels of the widest line in the list's font, so that the list can be scrolled to
// the end of every line.
int WidestLine(HWND list) {
    const WindowFontContext context(list);
    int widest = 0;
    for (const std::string& line : listWindow.lines) {
        SIZE size{};
        GetTextExtentPoint32A(context.get(), line.c_str(), static_cast<int>(line.size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    return widest + 2 * GetSystemMetrics(SM_CXEDGE);
}

void FillNetworkList(HWND window) {
    SetDlgItemTextA(window, IDC_NETWORK_LIST_HEADING, listWindow.heading.c_str());
    const HWND list = GetDlgItem(window, IDC_NETWORK_NAMES);
    for (const std::string& line : listWindow.lines) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
    // Only a list created with a horizontal scroll bar takes the extent.
    SendMessageA(list, LB_SETHORIZONTALEXTENT, WidestLine(list), 0);
}

INT_PTR CALLBACK NetworkListProcedure(HWND window, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            FillNetworkList(window);
            return TRUE;
        case WM_NCACTIVATE:
            if (wParam == 0) {
                listWindow.focusMemory = GetFocus();
            } else if (listWindow.focusMemory != nullptr) {
                SetFocus(listWindow.focusMemory);
                listWindow.focusMemory = nullptr;
            }
            return FALSE;
        case WM_COMMAND:
            // Escape arrives as IDCANCEL and closes the window like "OK".
            if ((LOWORD(wParam) == IDC_NETWORK_LIST_OK || LOWORD(wParam) == IDCANCEL) &&
                HIWORD(wParam) <= 1) {
                EndDialog(window, 0);
            }
            return TRUE;
        default:
            return FALSE;
    }
}

// Runs one of the list windows modally over the lines.
void ShowListWindow(HWND owner, int dialogId, std::vector<std::string> lines,
                    const std::string& heading) {
    listWindow = NetworkListWindow{std::move(lines), heading, nullptr};
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(dialogId), owner,
                    NetworkListProcedure, 0);
    listWindow = NetworkListWindow{};
}

}  // namespace

void ShowNetworkReport(HWND owner, const std::string& listText, const std::string& heading) {
    ShowListWindow(owner, IDD_NETWORK_LIST, NetworkListLines(listText), heading);
}

void ShowRecordReport(HWND owner, const std::vector<std::string>& lines,
                      const std::string& heading) {
    ShowListWindow(owner, IDD_LAST_RUN, lines, heading);
}
