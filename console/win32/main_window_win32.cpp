#include "console/win32/main_window_win32.h"

#include <windows.h>

#include <commctrl.h>

#include <tuple>
#include <utility>

#include "common/platform/win32/ansi_text_win32.h"
#include "common/platform/win32/resource_texts_win32.h"
#include "common/platform/win32/sized_icon_win32.h"
#include "common/settings/options.h"
#include "common/text/texts.h"
#include "console/anchor_table.h"
#include "console/console_ids.h"
#include "console/main_commands.h"
#include "console/win32/anchor_control_win32.h"
#include "console/win32/dialog_font_win32.h"
#include "console/win32/main_commands_win32.h"
#include "console/win32/mapping_editor_win32.h"
#include "console/win32/window_placement_win32.h"

namespace {

// Recorded at initialisation, in this order, against the window's creation size.
constexpr int AnchoredControls[] = {IDC_MAPPING_LIST,
                                    IDC_MAPPING_GROUP,
                                    IDC_NETWORK_BOX,
                                    IDC_PRINTER_BOX,
                                    IDC_ADD,
                                    IDC_REMOVE,
                                    IDC_CANCEL,
                                    IDC_OK,
                                    IDC_CHANGE_DEFAULT,
                                    IDC_WINDOWS_MANAGES,
                                    IDC_LUMIVO_MANAGES,
                                    IDC_NETWORK_GROUP,
                                    IDC_DEFAULT_PRINTER_GROUP,
                                    IDC_DEFAULT_PRINTER,
                                    IDC_PRINTER_GROUP};

// Stretch with the window.
constexpr int StretchedControls[] = {IDC_MAPPING_LIST, IDC_MAPPING_GROUP};

// Keep their distance to the bottom edge.
constexpr int BottomControls[] = {IDC_REMOVE, IDC_CANCEL, IDC_OK, IDC_CHANGE_DEFAULT};

struct MainWindow {
    ConsolePlatform* platform = nullptr;
    std::string caption;
    bool showLastRun = false;
    // The control that had the focus when the window last lost activation.
    HWND focusMemory = nullptr;
    UniqueIcon bigIcon;
    UniqueIcon smallIcon;
};

MainWindow mainWindow;

// Everything the window holds before it is shown: menu bar, mapping editor, management option,
// default printer, the list's popup menu.
void FillMainWindow(HWND window, ConsolePlatform& platform) {
    AttachMenuBar(window, platform);
    SetUpMappingList(window, platform.registry, platform.processes);
    FillNetworkBox(window, platform.networks, platform.adapters);
    FillPrinterBox(window, platform.spooler);
    CheckRadioButton(
        window, IDC_WINDOWS_MANAGES, IDC_LUMIVO_MANAGES,
        IsLegacyDefaultPrinterMode(platform.registry) ? IDC_LUMIVO_MANAGES : IDC_WINDOWS_MANAGES);
    ShowPresentDefaultPrinter(window, platform.spooler);
    CreateMappingListMenu(window);
    if (HasOrganizationSettings(platform.registry)) {
        const std::wstring managed = Utf8ToWide(Text(IDS_MANAGED_BY_ORGANIZATION));
        SendDlgItemMessageW(window, IDC_STATUS_BAR, SB_SETTEXTW, 0,
                            reinterpret_cast<LPARAM>(managed.c_str()));
    }
}

void InitialiseMainWindow(HWND window, ConsolePlatform& platform) {
    SubclassMappingList(window);
    for (const int id : AnchoredControls) {
        AnchorControl(window, id, AnchorRecordPlace);
    }
    RestoreWindowGeometry(window, platform.registry);
}

void LayOutControls(HWND window) {
    for (const int id : StretchedControls) {
        AnchorControl(window, id, AnchorStretchWidth | AnchorStretchHeight);
    }
    for (const int id : BottomControls) {
        AnchorControl(window, id, AnchorFollowBottom);
    }
    // The status bar places itself along the bottom edge when told of the new size.
    SendDlgItemMessageA(window, IDC_STATUS_BAR, WM_SIZE, 0, 0);
}

void RememberOrRestoreFocus(bool activating) {
    if (!activating) {
        mainWindow.focusMemory = GetFocus();
    } else if (mainWindow.focusMemory != nullptr) {
        SetFocus(mainWindow.focusMemory);
        mainWindow.focusMemory = nullptr;
    }
}

// The caption's small icon and the large one of the task switcher, at the sizes of the DPI.
void SetWindowIcons(HWND window, UINT dpi) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    for (auto& [metric, kind, owner] : {std::tuple{SM_CXICON, ICON_BIG, &mainWindow.bigIcon},
                                        {SM_CXSMICON, ICON_SMALL, &mainWindow.smallIcon}}) {
        UniqueIcon icon = LoadSizedIcon(instance, MAKEINTRESOURCEA(IDI_CONSOLE), metric, dpi);
        SendMessageA(window, WM_SETICON, static_cast<WPARAM>(kind),
                     reinterpret_cast<LPARAM>(icon.get()));
        *owner = std::move(icon);
    }
}

// On a screen of another scale: the font of that scale, and with it the dialog units, the
// columns and the icons; every control back at its recorded place in the new units; then the
// window takes the rectangle Windows suggests and the controls are anchored as on any resize.
void RescaleMainWindow(HWND window, UINT dpi, const RECT& suggested) {
    RescaleDialogFont(window, dpi);
    SetWindowIcons(window, dpi);
    SizeMappingListColumns(window);
    for (const int id : AnchoredControls) {
        AnchorControl(window, id, AnchorPlace);
    }
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    LayOutControls(window);
}

// Buttons act on a click or an accelerator only; menu items arrive with code 0.
bool IsClick(WPARAM wParam) {
    return HIWORD(wParam) <= 1;
}

void DispatchCommand(HWND window, WPARAM wParam) {
    const int id = LOWORD(wParam);
    switch (id) {
        case IDC_ADD:
        case IDC_REMOVE:
        case IDC_CHANGE_DEFAULT:
            if (IsClick(wParam)) {
                HandleMappingCommand(window, id, *mainWindow.platform, mainWindow.caption);
            }
            break;
        default:
            HandleMainCommand(window, id, HIWORD(wParam), *mainWindow.platform, mainWindow.caption);
            break;
    }
}

INT_PTR CALLBACK MainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            NoteDialogCreated(window);
            SetWindowTextW(window, Utf8ToWide(mainWindow.caption).c_str());
            SetWindowIcons(window, DialogDpi(window));
            FillMainWindow(window, *mainWindow.platform);
            InitialiseMainWindow(window, *mainWindow.platform);
            return TRUE;
        case WM_SHOWWINDOW:
            // The dialog manager shows the window only once its queue is first empty, so the
            // record is asked for from here: asked for earlier, it would open over a hidden window.
            if (wParam != FALSE && mainWindow.showLastRun) {
                mainWindow.showLastRun = false;
                PostMessageA(window, WM_COMMAND, IDM_LAST_RUN, 0);
            }
            return FALSE;
        case WM_NCACTIVATE:
            RememberOrRestoreFocus(wParam != 0);
            return FALSE;
        case WM_SIZE:
            LayOutControls(window);
            return TRUE;
        case WM_DPICHANGED:
            RescaleMainWindow(window, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return TRUE;
        case WM_COMMAND:
            DispatchCommand(window, wParam);
            return TRUE;
        case WM_CLOSE:
            // The close box ends the window like "Cancel".
            EndDialog(window, 0);
            return TRUE;
        case WM_DESTROY:
            SaveWindowGeometry(window, mainWindow.platform->registry);
            EndMappingListMenu(window);
            return TRUE;
        case WM_NCDESTROY:
            // The controls are gone now, and with them the last users of a rescaled font.
            ReleaseDialogFont(window);
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

bool RunMainWindow(ConsolePlatform& platform, const std::string& caption, bool showLastRun) {
    mainWindow.platform = &platform;
    mainWindow.caption = caption;
    mainWindow.showLastRun = showLastRun;
    const INT_PTR result = ShowProgramDialog(nullptr, IDD_MAIN_WINDOW, MainWindowProcedure);
    mainWindow = MainWindow{};
    return result == IDC_OK;
}
