#pragma once

// Resource and control ids of the Console, shared by its resource script and its window code.

#define IDI_CONSOLE 100
#define IDD_MAIN_WINDOW 101
#define IDD_NETWORK_LIST 102
#define IDD_LAST_RUN 103
#define IDR_MAIN_MENU 104
#define IDR_LIST_MENU 105

// The main window's controls.
#define IDC_MAPPING_GROUP 1001
#define IDC_NETWORK_BOX 1003
#define IDC_PRINTER_BOX 1004
#define IDC_ADD 1006
#define IDC_REMOVE 1007
#define IDC_CANCEL 1008
#define IDC_OK 1009
#define IDC_WINDOWS_MANAGES 1010
#define IDC_LUMIVO_MANAGES 1011
#define IDC_MAPPING_LIST 1012
#define IDC_NETWORK_GROUP 1013
#define IDC_PRINTER_GROUP 1014
#define IDC_CHANGE_DEFAULT 1020
#define IDC_DEFAULT_PRINTER_GROUP 1021
#define IDC_DEFAULT_PRINTER 1022
#define IDC_STATUS_BAR 1608

// The mapping list's popup menu gives the same commands as the buttons.
#define IDM_SET_TO_DEFAULT IDC_CHANGE_DEFAULT
#define IDM_REMOVE IDC_REMOVE

// The Help menu.
#define IDM_CONTENTS 1015
#define IDM_AUTOMATIC_UPDATE_CHECK 1016
#define IDM_CHECK_FOR_UPDATES_NOW 1017
#define IDM_ABOUT 1018
#define IDM_SUPPORT 1019
#define IDM_TRAY_ICON 1023
#define IDM_ACTIVE_NETWORKS 1024
#define IDM_KNOWN_NETWORKS 1025
#define IDM_ONLINE_HELP 1026
#define IDM_LAST_RUN 1027
#define IDM_SHOW_NOTICES 1028

// The network list window; the last run's window has the same controls.
#define IDC_NETWORK_NAMES 51001
#define IDC_NETWORK_LIST_OK 51002
#define IDC_NETWORK_LIST_HEADING 51004
