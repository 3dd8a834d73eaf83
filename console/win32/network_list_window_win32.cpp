#include "console/win32/network_list_window_win32.h"

#include "console/console_ids.h"
#include "console/network_lists.h"

namespace {

// What the open list window shows, and the control that had the focus when it last lost
// activation.
struct NetworkListWindow {
    std::string listText;
    std::string heading;
    HWND focusMemory = nullptr;
};

NetworkListWindow listWindow;

void FillNetworkList(HWND window) {
    SetDlgItemTextA(window, IDC_NETWORK_LIST_HEADING, listWindow.heading.c_str());
    const HWND names = GetDlgItem(window, IDC_NETWORK_NAMES);
    for (const std::string& name : NetworkListLines(listWindow.listText)) {
        SendMessageA(names, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
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
            if (LOWORD(wParam) == IDC_NETWORK_LIST_OK && HIWORD(wParam) <= 1) {
                EndDialog(window, 0);
            }
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

void ShowNetworkReport(HWND owner, const std::string& listText, const std::string& heading) {
    listWindow = NetworkListWindow{listText, heading, nullptr};
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_NETWORK_LIST), owner,
                    NetworkListProcedure, 0);
    listWindow = NetworkListWindow{};
}
