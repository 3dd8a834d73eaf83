#include "console/win32/network_list_window_win32.h"

#include <algorithm>
#include <utility>

#include "common/platform/win32/ansi_text_win32.h"
#include "common/platform/win32/resource_texts_win32.h"
#include "common/text/texts.h"
#include "console/console_ids.h"
#include "console/network_lists.h"

namespace {

// What the open list window shows, and the control that had the focus when it last lost
// activation.
struct NetworkListWindow {
    std::vector<std::wstring> lines;
    std::wstring heading;
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
    for (const std::wstring& line : listWindow.lines) {
        SIZE size{};
        GetTextExtentPoint32W(context.get(), line.c_str(), static_cast<int>(line.size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    return widest + 2 * GetSystemMetrics(SM_CXEDGE);
}

void FillNetworkList(HWND window) {
    SetDlgItemTextW(window, IDC_NETWORK_LIST_HEADING, listWindow.heading.c_str());
    const HWND list = GetDlgItem(window, IDC_NETWORK_NAMES);
    for (const std::wstring& line : listWindow.lines) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
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

// Runs one of the list windows modally over the lines (UTF-8).
void ShowListWindow(HWND owner, int dialogId, const std::vector<std::string>& lines,
                    unsigned heading) {
    listWindow = NetworkListWindow{{}, Utf8ToWide(Text(heading)), nullptr};
    for (const std::string& line : lines) {
        listWindow.lines.push_back(Utf8ToWide(line));
    }
    ShowProgramDialog(owner, dialogId, NetworkListProcedure);
    listWindow = NetworkListWindow{};
}

}  // namespace

void ShowNetworkReport(HWND owner, const std::string& listText, unsigned heading) {
    ShowListWindow(owner, IDD_NETWORK_LIST, ShownTexts(NetworkListLines(listText)), heading);
}

void ShowRecordReport(HWND owner, const std::vector<std::string>& lines) {
    ShowListWindow(owner, IDD_LAST_RUN, lines, IDS_LAST_RUN_HEADING);
}
