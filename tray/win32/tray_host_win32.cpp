#include "tray/win32/tray_host_win32.h"

#include "common/platform/win32/clock_win32.h"
#include "common/platform/win32/resource_texts_win32.h"
#include "common/services/process_helpers.h"
#include "common/services/program_names.h"
#include "common/services/places_to_apply.h"
#include "common/services/printer_notices.h"
#include "common/services/update_check_thread.h"
#include "common/settings/applied_networks.h"
#include "common/settings/options.h"
#include "common/settings/remote_sessions.h"
#include "common/settings/settings_keys.h"
#include "tray/daily_update_check.h"
#include "tray/tray_identity.h"
#include "tray/tray_resources.h"
#include "tray/win32/tray_about_win32.h"

namespace {

TrayHost* HostOf(HWND window) {
    return reinterpret_cast<TrayHost*>(GetWindowLongPtrA(window, DWLP_USER));
}

void StartHost(HWND window, TrayHost& host) {
    SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(&host));
    host.menu.reset(ProgramTexts().LoadMenu(L"POPUPMENU"));
    host.popup = GetSubMenu(host.menu.get(), 0);
    // Subscribed and watching before the icon shows, so that a change of networks or of the
    // default printer made once the icon is there is not missed.
    host.networkEvents = NetworkEventSubscription::Subscribe(window, NetworkEventMessage);
    host.addressEvents = AddressEventSubscription::Subscribe(window, NetworkEventMessage);
    host.printerWatch = DefaultPrinterWatch::Start(window, DefaultPrinterMessage);
}

void ShowIcon(HWND window, TrayHost& host) {
    host.icon.Add(window, host.instance);
    SetTimer(window, NetworkWatchTimer, NetworkWatchInterval, nullptr);
}

void ShowNotice(TrayHost& host, const PrinterNotice& notice, TrayHost::Notice kind) {
    host.icon.ShowNotice(notice.title, notice.text);
    host.notice = kind;
}

// The notice of the Manager's run that started this program, taken whether or not it is shown.
void ShowRunNotice(TrayHost& host) {
    const std::optional<PrinterNotice> notice = TakePrinterNotice(host.registry);
    if (notice && IsOptionEnabled(host.registry, ShowNoticesValueName)) {
        ShowNotice(host, *notice, TrayHost::Notice::RunNotice);
    }
}

void OnDefaultPrinterChange(TrayHost& host) {
    if (host.printerWatch) {
        host.printerWatch->Rearm();
    }
    // In a remote session the remote client chooses the default printer: nothing to learn.
    if (!AppliesInThisSession(host.metrics, host.registry)) {
        return;
    }
    const std::optional<MappingEntry> offer = host.learning.OfferFor(
        ReadDefaultPrinter(host.registry), host.registry, host.spooler, host.network);
    if (offer) {
        host.offer = *offer;
        ShowNotice(host, LearnPrinterOffer(offer->printerName, offer->networkName),
                   TrayHost::Notice::LearnOffer);
    }
}

// Ends the host dialog, and with it the program. An open About box or the popup menu runs its
// loop inside the host's, so they are ended first; otherwise the program would live on, holding
// the single-instance name, until the user closed them.
void EndHost(HWND window, const TrayHost& host) {
    EndMenu();
    host.aboutBoxes.EndAll();
    EndDialog(window, 0);
}

// Starts another program of the system and ends the tray program, whether or not the start
// succeeded; the started program brings the tray program back when it ends.
void HandOver(HWND window, TrayHost& host, const std::string& fileName,
              const std::string& arguments = "") {
    StartProgram(host.processes, fileName, arguments);
    EndHost(window, host);
}

// A click on the notice of a run opens what the Manager did; one on an offer stores the printer
// for the network as the Console's "Add" does.
void OnNoticeClick(HWND window, TrayHost& host) {
    const TrayHost::Notice clicked = std::exchange(host.notice, TrayHost::Notice::None);
    if (clicked == TrayHost::Notice::RunNotice) {
        HandOver(window, host, ConsoleFileName, ConsoleLastRunSwitch);
    } else if (clicked == TrayHost::Notice::LearnOffer) {
        const auto& [network, printer] = host.offer;
        const std::optional<TableChange> refused =
            RememberPrinter(host.registry, host.processes, host.offer);
        ShowNotice(host,
                   refused ? PrinterNotLearnedNotice(printer, network, *refused)
                           : PrinterLearnedNotice(printer, network),
                   TrayHost::Notice::None);
    }
}

// The same watch at the minute tick and after network events; true when it handed over. In a
// remote session it does not look, so that a change is still one when the session turns local.
bool WatchNetworks(HWND window, TrayHost& host) {
    if (!AppliesInThisSession(host.metrics, host.registry) ||
        !host.watch.ConnectedNetworksChanged(
            host.network, host.adapters,
            ReadPlacesToApply(host.registry, host.processes).entries)) {
        return false;
    }
    HandOver(window, host, ManagerFileName);
    return true;
}

// While the printer meant to stay the default is missing, each minute tick has the Manager retry
// it, until other hands pick a default printer: that choice stays.
bool RetryPrinters(HWND window, TrayHost& host) {
    if (host.learning.PickedByOthers() || ReadPrinterRetry(host.registry).entries.empty()) {
        return false;
    }
    HandOver(window, host, ManagerFileName, ManagerRetrySwitch);
    return true;
}

// The program restarts at every hand-over, so a timer of its own would never see a day pass: the
// daily update check is due at a minute tick once the last automatic check is a day old. A tick
// that hands over starts no check, as the check would end with the program.
void OnTimer(HWND window, TrayHost& host, UINT_PTR timer) {
    if (timer == NetworkWatchTimer) {
        if (!WatchNetworks(window, host) && !RetryPrinters(window, host) &&
            ClaimDailyUpdateCheck(host.registry, host.watch.LastSeen(),
                                  Win32Clock().CurrentUtcTime())) {
            StartUpdateCheck({TrayTitle, TrayProgramVersion, UpdateCheckForm::Tray});
        }
    } else if (timer == NetworkEventTimer) {
        KillTimer(window, NetworkEventTimer);
        host.eventBurst.End();
        WatchNetworks(window, host);
    }
}

// Each event of a burst sets the timer again, to the moment the burst says the watch is due.
void OnNetworkEvent(HWND window, TrayHost& host) {
    SetTimer(window, NetworkEventTimer, host.eventBurst.DelayAfterEvent(GetTickCount64()), nullptr);
}

void ShowPopupMenu(HWND window, const TrayHost& host) {
    // Without the foreground and the WM_NULL afterwards, the menu would stay open when the user
    // clicks elsewhere.
    SetForegroundWindow(window);
    POINT cursor{};
    GetCursorPos(&cursor);
    TrackPopupMenu(host.popup, 0, cursor.x, cursor.y, 0, window, nullptr);
    PostMessageA(window, WM_NULL, 0, 0);
}

void OnIconMouse(HWND window, TrayHost& host, UINT mouseMessage) {
    if (IsWindowVisible(window)) {
        return;
    }
    if (mouseMessage == WM_LBUTTONDOWN) {
        HandOver(window, host, ConsoleFileName);
    } else if (mouseMessage == WM_RBUTTONDOWN) {
        ShowPopupMenu(window, host);
    } else if (mouseMessage == NIN_BALLOONUSERCLICK) {
        OnNoticeClick(window, host);
    } else if (mouseMessage == NIN_BALLOONTIMEOUT) {
        host.notice = TrayHost::Notice::None;
    }
}

void OnCommand(HWND window, TrayHost& host, WORD command) {
    if (command == IDM_TRAY_ABOUT) {
        // No owner: the host keeps handling its timers, clicks and menu while the box is open.
        host.aboutBoxes.Show();
    } else if (command == IDM_TRAY_EXIT) {
        EndHost(window, host);
    }
}

// The dialog manager shows a modal dialog once its queue runs dry, so the host hides itself at
// every message. Hiding sends messages of its own (WM_SHOWWINDOW first, while the window still
// counts as visible); without the guard each of them would hide again, recursing without end.
void HideHost(HWND window) {
    static bool hiding = false;
    if (hiding || !IsWindowVisible(window)) {
        return;
    }
    hiding = true;
    ShowWindow(window, SW_HIDE);
    hiding = false;
}

bool IsMinimiseOrClose(WPARAM systemCommand) {
    const WPARAM command = systemCommand & 0xFFF0;
    return command == SC_MINIMIZE || command == SC_CLOSE;
}

}  // namespace

INT_PTR CALLBACK TrayHostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    HideHost(window);

    if (message == WM_INITDIALOG) {
        TrayHost& host = *reinterpret_cast<TrayHost*>(lParam);
        StartHost(window, host);
        // Started from the networks the Manager applied, the watch looks at once, before the
        // icon shows: whatever changed while the Manager ran and the program started is followed
        // now, and a change made once the icon is there is one for the events and the tick.
        if (!host.watch.LastSeen().empty() && WatchNetworks(window, host)) {
            return TRUE;
        }
        ShowIcon(window, host);
        if (host.handOver) {
            ShowRunNotice(host);
        }
        return TRUE;
    }
    TrayHost* host = HostOf(window);
    if (host == nullptr) {
        return FALSE;
    }
    switch (message) {
        case WM_TIMER:
            OnTimer(window, *host, wParam);
            return TRUE;
        case NetworkEventMessage:
            OnNetworkEvent(window, *host);
            return TRUE;
        case DefaultPrinterMessage:
            OnDefaultPrinterChange(*host);
            return TRUE;
        case NotifyIcon::CallbackMessage:
            OnIconMouse(window, *host, LOWORD(lParam));
            return TRUE;
        case WM_COMMAND:
            OnCommand(window, *host, LOWORD(wParam));
            return TRUE;
        case WM_SYSCOMMAND:
            if (IsMinimiseOrClose(wParam)) {
                HideHost(window);
                return TRUE;
            }
            return FALSE;
        case WM_DESTROY:
            host->icon.Remove();
            return TRUE;
        default:
            return FALSE;
    }
}
