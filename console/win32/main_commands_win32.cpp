#include "console/win32/main_commands_win32.h"

#include <htmlhelp.h>

#include "common/network/name_lists.h"
#include "common/platform/win32/ansi_text_win32.h"
#include "common/services/process_helpers.h"
#include "common/services/update_check_thread.h"
#include "common/settings/options.h"
#include "common/settings/settings_keys.h"
#include "console/about_text.h"
#include "console/console_ids.h"
#include "console/console_texts.h"
#include "console/last_run_view.h"
#include "console/main_commands.h"
#include "console/network_lists.h"
#include "console/win32/network_list_window_win32.h"

namespace {

constexpr std::uint32_t OptionMessageStyle = MB_OK | MB_TASKMODAL | MB_SETFOREGROUND;

// The notice joins the text only as UTF-16, so its registered signs survive any code page.
void ShowAboutText(const AboutText& about, const std::string& caption) {
    const std::wstring text =
        AnsiToWide(about.ansiText) +
        std::wstring(about.trademarkNotice.begin(), about.trademarkNotice.end());
    MessageBoxW(nullptr, text.c_str(), AnsiToWide(caption).c_str(), MB_OK);
}

struct MenuItem {
    UINT id;  // 0 for a separator
    const char* text;
};

const MenuItem HelpMenu[] = {
    {IDM_CONTENTS, "Contents"},
    {IDM_ONLINE_HELP, "Online Help Contents (may be more up-to-date)"},
    {0, nullptr},
    {IDM_AUTOMATIC_UPDATE_CHECK, "Automatically check for updates"},
    {IDM_CHECK_FOR_UPDATES_NOW, "Check for updates now"},
    {IDM_TRAY_ICON, "Display Icon in System Tray"},
    {IDM_SHOW_NOTICES, "Show Printer Change Notices"},
    {0, nullptr},
    {IDM_ACTIVE_NETWORKS, "View List of Active Networks"},
    {IDM_KNOWN_NETWORKS, "View List of Known Networks"},
    {IDM_LAST_RUN, "View Last Printer Change"},
    {0, nullptr},
    {IDM_SUPPORT, "Support LMV"},
    {0, nullptr},
    {IDM_ABOUT, "About"},
};

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

// The help file lies beside the program. The Console may run in any current folder (started by
// the tray program, it inherits the Manager's, wherever logon started that), so the bare file
// name alone would not find the file.
std::string HelpFilePath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return HelpFileName;
    }
    const std::string program(path, length);
    return program.substr(0, program.find_last_of('\\') + 1) + HelpFileName;
}

void HandleMenuCommand(HWND window, int id, ConsolePlatform& platform,
                       const std::string& mainCaption) {
    switch (id) {
        case IDM_CONTENTS:
            HtmlHelpA(window, HelpFilePath().c_str(), HH_DISPLAY_TOC, 0);
            break;
        case IDM_ONLINE_HELP:
            OpenWithShell(platform.processes, OnlineHelpUrl);
            break;
        case IDM_AUTOMATIC_UPDATE_CHECK:
            ToggleOptionItem(window, IDM_AUTOMATIC_UPDATE_CHECK, platform.registry);
            break;
        case IDM_CHECK_FOR_UPDATES_NOW:
            platform.messageBoxes.MessageBoxW(UpdateCheckNotice, mainCaption, MB_OK);
            UpdateCheckInteractive = true;
            StartUpdateCheck(
                UpdateCheckProgram{mainCaption, ConsoleVersion, UpdateCheckForm::Console});
            break;
        case IDM_TRAY_ICON:
            if (ToggleOptionItem(window, IDM_TRAY_ICON, platform.registry)) {
                platform.messageBoxes.MessageBoxW(TrayIconNotice, mainCaption,
                                                  MB_OK | MB_ICONEXCLAMATION);
            }
            break;
        case IDM_SHOW_NOTICES:
            ToggleOptionItem(window, IDM_SHOW_NOTICES, platform.registry);
            break;
        case IDM_ACTIVE_NETWORKS:
            ShowNetworkReport(window, NetworkListText(ConnectedNetworkList(platform.networks)),
                              ActiveNetworksHeading);
            break;
        case IDM_KNOWN_NETWORKS:
            ShowNetworkReport(window, NetworkListText(AllNetworkList(platform.networks)),
                              KnownNetworksHeading);
            break;
        case IDM_LAST_RUN:
            ShowRecordReport(window, LastRunLines(platform.registry), LastRunHeading);
            break;
        case IDM_SUPPORT:
            OpenWithShell(platform.processes, SupportPageUrl);
            break;
        case IDM_ABOUT:
            ShowAboutText(ComposeAboutText(platform.versions, platform.registry), mainCaption);
            break;
        default:
            break;
    }
}

}  // namespace

void AttachMenuBar(HWND window, ConsolePlatform& platform) {
    const HMENU menuBar = CreateMenu();
    const HMENU help = CreatePopupMenu();
    for (const MenuItem& item : HelpMenu) {
        if (item.id == 0) {
            AppendMenuA(help, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuA(help, MF_STRING, item.id, item.text);
        }
    }
    AppendMenuA(menuBar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "Help");
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
