#pragma once

#include <windows.h>

#include "common/platform/network_list.h"
#include "common/platform/processes.h"
#include "common/platform/registry.h"
#include "tray/network_watch.h"
#include "tray/win32/notify_icon_win32.h"
#include "tray/win32/unique_menu_win32.h"

// Everything the hidden host dialog works with. The program entry builds it, with the Windows
// implementations of the seams, and hands it to TrayHostProc through DialogBoxParamA.
struct TrayHost {
    TrayHost(HINSTANCE programInstance, Registry& settings, NetworkList& networks,
             Processes& programs)
        : instance(programInstance), registry(settings), network(networks), processes(programs) {}

    HINSTANCE instance;
    Registry& registry;
    NetworkList& network;
    Processes& processes;

    NetworkWatch watch;
    UniqueMenu menu;  // "POPUPMENU", held for the program's lifetime
    HMENU popup = nullptr;
    NotifyIcon icon;
};

// Timers of the host window.
inline constexpr UINT_PTR UpdateCheckTimer = 2000;
inline constexpr UINT UpdateCheckInterval = 24 * 60 * 60 * 1000;
inline constexpr UINT_PTR NetworkWatchTimer = 2001;

// The procedure of the host dialog (dialog 100): the window is never shown, and its life is the
// program's life.
INT_PTR CALLBACK TrayHostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
