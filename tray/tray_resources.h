#pragma once

// Resource and command identifiers of the tray program, shared by its resource script and code.
#define IDD_TRAY_HOST 100
#define IDD_TRAY_ABOUT 101

// Menu commands; they coincide with IDOK and IDCANCEL, which is why a close request to the host
// dialog (turned into IDCANCEL by the dialog manager) ends the program like "Exit Lumivo Tray".
#define IDM_TRAY_ABOUT 1
#define IDM_TRAY_EXIT 2
