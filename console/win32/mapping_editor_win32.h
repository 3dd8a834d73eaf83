#pragma once

#include <windows.h>

#include <string>

#include "console/win32/console_platform_win32.h"

// The mapping editor of the main window: the mapping list (1012) with its popup menu, the
// network (1003) and printer (1004) boxes, "Add", "Remove", "Change Default Printer To Selected
// Printer" and the default printer's label (1022).

// The list's columns and look, and its first filling from the store.
void SetUpMappingList(HWND window, Registry& registry, Processes& processes);

// The columns' widths (157 and 208 units) in the dialog's present units.
void SizeMappingListColumns(HWND window);

// Rebuilds the mapping list from the stored table.
void RefreshMappingList(HWND window, Registry& registry, Processes& processes);

// The known networks (after them the ranges of the adapters' addresses, as typed for a place) and
// the printers, each box with its first item selected.
void FillNetworkBox(HWND window, NetworkList& networks, Adapters& adapters);
void FillPrinterBox(HWND window, Spooler& spooler);

// Label 1022 shows the present default printer.
void ShowPresentDefaultPrinter(HWND window, Spooler& spooler);

// The list's popup menu ("Set to Default", "Remove"), and the subclassing of the list that
// shows it; EndMappingListMenu gives the list its own procedure back and frees the menu.
void CreateMappingListMenu(HWND window);
void SubclassMappingList(HWND window);
void EndMappingListMenu(HWND window);

// "Add" (1006), "Remove" (1007) and "Change Default Printer To Selected Printer" (1020), from
// the buttons or the popup menu; a message captioned mainCaption tells why the spooler refused a
// printer. False for any other id.
bool HandleMappingCommand(HWND window, int id, ConsolePlatform& platform,
                          const std::string& mainCaption);
