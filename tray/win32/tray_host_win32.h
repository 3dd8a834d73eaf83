#pragma once

#include <windows.h>

#include "common/platform/adapters.h"
#include "common/platform/network_list.h"
#include "common/platform/processes.h"
#include "common/platform/registry.h"
#include "common/platform/spooler.h"
#include "common/platform/system_metrics.h"
#include "tray/network_event_burst.h"
#include "tray/printer_learning.h"
#include "tray/win32/default_printer_watch_win32.h"
#include "tray/network_watch.h"
#include "tray/tray_start.h"
#include "tray/win32/address_events_win32.h"
#include "tray/win32/network_events_win32.h"
#include "tray/win32/tray_about_win32.h"
#include "tray/win32/notify_icon_win32.h"
#include "common/platform/win32/unique_handles_win32.h"

// Everything the hidden host dialog works with. The program entry builds it, with the Windows
// implementations of the seams, and hands it to TrayHostProc through DialogBoxParamA.
struct TrayHost {
    TrayHost(HINSTANCE programInstance, const TrayStart& start, Registry& settings,
             NetworkList& networks, Processes& programs, Spooler& printers, Adapters& adapterList,
             SystemMetrics& systemMetrics)
        : instance(programInstance),
          handOver(start.handOver),
          registry(settings),
          network(networks),
          processes(programs),
          spooler(printers),
          adapters(adapterList),
          metrics(systemMetrics),
          watch(start.Watch(settings)),
          learning(ReadDefaultPrinter(settings)) {}

    HINSTANCE instance;
    bool handOver;
    Registry& registry;
    NetworkList& network;
    Processes& processes;
    Spooler& spooler;
    Adapters& adapters;
    SystemMetrics& metrics;

    NetworkWatch watch;
    NetworkEventBurst eventBurst;
    PrinterLearning learning;
    // What a click on the notice shown now does.
    enum class Notice { None, RunNotice, LearnOffer } notice = Notice::None;
    MappingEntry offer;
    std::unique_ptr<DefaultPrinterWatch> printerWatch;
    UniqueMenu menu;  // "POPUPMENU", held for the program's lifetime
    HMENU popup = nullptr;
    NotifyIcon icon;
    AboutBoxes aboutBoxes;
    // Network events, when the Network List Manager offers them; the minute tick works without.
    std::unique_ptr<NetworkEventSubscription> networkEvents;
    // Address and interface notices, which end a burst like network events do.
    std::unique_ptr<AddressEventSubscription> addressEvents;
};

// The host window's timer: the network watch, and the daily update check when it is due.
inline constexpr UINT_PTR NetworkWatchTimer = 2001;
// The watch after a burst of network events: once, when NetworkEventBurst says it is due.
inline constexpr UINT_PTR NetworkEventTimer = 2002;

// Posted to the host window by the network event sink and the address notices, and when the
// default printer changes.
inline constexpr UINT NetworkEventMessage = WM_APP;
inline constexpr UINT DefaultPrinterMessage = WM_APP + 1;

// The procedure of the host dialog (dialog 100): the window is never shown, and its life is the
// program's life.
INT_PTR CALLBACK TrayHostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
