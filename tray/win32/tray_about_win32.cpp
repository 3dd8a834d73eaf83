#include "tray/win32/tray_about_win32.h"

#include "common/platform/win32/resource_texts_win32.h"
#include "tray/tray_resources.h"

void AboutBoxes::Show() {
    ShowProgramDialog(nullptr, IDD_TRAY_ABOUT, TrayAboutProc, reinterpret_cast<LPARAM>(this));
}

void AboutBoxes::EndAll() const {
    for (HWND box : open_) {
        EndDialog(box, 0);
    }
}

INT_PTR CALLBACK TrayAboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            auto* boxes = reinterpret_cast<AboutBoxes*>(lParam);
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            boxes->open_.push_back(dialog);
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                EndDialog(dialog, 0);
                return TRUE;
            }
            return FALSE;
        case WM_DESTROY: {
            auto* boxes = reinterpret_cast<AboutBoxes*>(GetWindowLongPtrA(dialog, DWLP_USER));
            if (boxes != nullptr) {
                std::erase(boxes->open_, dialog);
            }
            return TRUE;
        }
        default:
            return FALSE;
    }
}
