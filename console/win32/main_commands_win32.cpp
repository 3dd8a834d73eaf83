#include "console/win32/main_commands_win32.h"

#include <htmlhelp.h>

#include "common/network/name_lists.h"
#include "common/platform/win32/ansi_text_win32.h"
#include "common/platform/win32/resource_texts_win32.h"
#include "common/services/process_helpers.h"
#include "common/services/update_check_thread.h"
#include "common/settings/options.h"
#include "common/settings/settings_keys.h"
#include "common/text/texts.h"
#include "console/about_text.h"
#include "console/console_ids.h"
#include "console/console_texts.h"
#include "console/last_run_view.h"
#include "console/main_commands.h"
#include "console/network_lists.h"
#include "console/win32/network_list_window_win32.h"

namespace {

constexpr std::uint32_t OptionMessageStyle = MB_OK | MB_TASKMODAL | MB_SETFOREGROUND;

// The check items and the yes/no options they show.
struct OptionItem {
    UINT id;
    const char* valueName;
};

const OptionItem OptionItems[] = {
    {IDM_AUTOMATIC_UPDATE_CHECK, CheckForUpdatesValueName},
    {IDM_TRAY_ICON, SystemTrayValueName},
    {IDM_SHOW_NOTICES, ShowNoticesValueName},
};

// The option a check item shows; null for any other item.
const char* OptionValueName(UINT id) {
    for (const OptionItem& item : OptionItems) {
        if (item.id == id) {
            return item.valueName;
        }
    }
    return nullptr;
}

void CheckItem(HWND window, UINT id, bool checked) {
    CheckMenuItem(GetMenu(window), id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool IsItemChecked(HWND window, UINT id) {
    return (GetMenuState(GetMenu(window), id, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

// Stores the flipped option, then flips the item's check; true when it is on now.
bool ToggleOptionItem(HWND window, UINT id, Registry& registry) {
    const bool checked = ToggleOption(registry, OptionValueName(id), IsItemChecked(window, id));
    CheckItem(window, id, checked);
    return checked;
}

// The help file of the user's language lies beside the program. The Console may run in any
// current folder (started by the tray program, it inherits the Manager's, wherever logon started
// that), so the bare file name alone would not find the file.
std::wstring HelpFilePath() {
    const std::wstring file = Utf8ToWide(HelpFileName(ProgramTexts().Language()));
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return file;
    }
    const std::wstring program(path, length);
    return program.substr(0, program.find_last_of(L'\\') + 1) + file;
}

void HandleMenuCommand(HWND window, int id, ConsolePlatform& platform,
                       const std::string& mainCaption) {
    switch (id) {
        case IDM_CONTENTS:
            HtmlHelpW(window, HelpFilePath().c_str(), HH_DISPLAY_TOC, 0);
            break;
        case IDM_ONLINE_HELP:
            OpenWithShell(platform.processes, OnlineHelpUrl);
            break;
        case IDM_AUTOMATIC_UPDATE_CHECK:
            ToggleOptionItem(window, IDM_AUTOMATIC_UPDATE_CHECK, platform.registry);
            break;
        case IDM_CHECK_FOR_UPDATES_NOW:
            platform.messageBoxes.MessageBoxW(Text(IDS_UPDATE_CHECK_NOTICE), mainCaption, MB_OK);
            UpdateCheckInteractive = true;
            StartUpdateCheck(
                UpdateCheckProgram{mainCaption, ConsoleVersion, UpdateCheckForm::Console});
            break;
        case IDM_TRAY_ICON:
            if (ToggleOptionItem(window, IDM_TRAY_ICON, platform.registry)) {
                platform.messageBoxes.MessageBoxW(Text(IDS_TRAY_ICON_NOTICE), mainCaption,
                                                  MB_OK | MB_ICONEXCLAMATION);
            }
            break;
        case IDM_SHOW_NOTICES:
            ToggleOptionItem(window, IDM_SHOW_NOTICES, platform.registry);
            break;
        case IDM_ACTIVE_NETWORKS:
            ShowNetworkReport(window, NetworkListText(ConnectedNetworkList(platform.networks)),
                              IDS_ACTIVE_NETWORKS_HEADING);
            break;
        case IDM_KNOWN_NETWORKS:
            ShowNetworkReport(window, NetworkListText(AllNetworkList(platform.networks)),
                              IDS_KNOWN_NETWORKS_HEADING);
            break;
        case IDM_LAST_RUN:
            ShowRecordReport(window, LastRunLines(platform.registry));
            break;
        case IDM_SUPPORT:
            OpenWithShell(platform.processes, SupportPageUrl);
            break;
        case IDM_ABOUT:
            platform.messageBoxes.MessageBoxW(
                ComposeAboutText(platform.versions, platform.registry), mainCaption, MB_OK);
            break;
        default:
            break;
    }
}

}  // namespace

void AttachMenuBar(HWND window, ConsolePlatform& platform) {
    const HMENU menuBar = ProgramTexts().LoadMenu(MAKEINTRESOURCEW(IDR_MAIN_MENU));
    // From here on the window owns the menus and destroys them with itself.
    SetMenu(window, menuBar);
    // An option the organization sets shows its policy, greyed.
    for (const OptionItem& item : OptionItems) {
        CheckItem(window, item.id, IsOptionEnabled(platform.registry, item.valueName));
        if (OptionPolicy(platform.registry, item.valueName)) {
            EnableMenuItem(menuBar, item.id, MF_BYCOMMAND | MF_GRAYED);
        }
    }
}

void HandleMainCommand(HWND window, int id, int notification, ConsolePlatform& platform,
                       const std::string& mainCaption) {
    switch (id) {
        case IDC_WINDOWS_MANAGES:
        case IDC_LUMIVO_MANAGES:
            // Every click tells when the choice takes effect, also on the option already chosen.
            platform.messageBoxes.MessageBoxW(ManagementOptionMessage(id == IDC_LUMIVO_MANAGES),
                                              mainCaption, OptionMessageStyle);
            break;
        case IDC_OK:
            if (notification <= 1) {
                SetLegacyDefaultPrinterMode(
                    platform.registry, IsDlgButtonChecked(window, IDC_WINDOWS_MANAGES) ? 0 : 1);
                EndDialog(window, IDC_OK);
            }
            break;
        case IDCANCEL:  // Escape; Enter (IDOK) does nothing, so a typed name closes nothing
        case IDC_CANCEL:
            if (notification <= 1) {
                EndDialog(window, 0);
            }
            break;
        default:
            HandleMenuCommand(window, id, platform, mainCaption);
            break;
    }
}
