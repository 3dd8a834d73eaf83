#include "console/win32/mapping_editor_win32.h"

#include <commctrl.h>
#include <windowsx.h>

#include <optional>
#include <string>
#include <vector>

#include "common/network/adapter_snapshot.h"
#include "common/network/name_lists.h"
#include "common/platform/win32/ansi_text_win32.h"
#include "common/platform/win32/resource_texts_win32.h"
#include "common/settings/organization_places.h"
#include "common/text/texts.h"
#include "console/console_ids.h"
#include "console/mapping_editor.h"
#include "console/win32/dialog_geometry_win32.h"
#include "common/platform/win32/unique_handles_win32.h"

namespace {

// The columns' widths in dialog units: 43 % and 57 % of the list's creation width; where the
// organization sets places, a third column tells whose each row is.
const std::vector<int> ColumnWidths = {157, 208};
const std::vector<int> OwnerColumnWidths = {125, 160, 80};

// Whether the list shows the "Set by" column, and whether the organization keeps the user's rows
// from applying, which leaves nothing to add, remove or change.
bool ownerColumn = false;
bool rowsLocked = false;

// The list's popup menu and the procedure the list had before it was subclassed.
UniqueMenu listMenu;
// The rows as the list shows them: "Remove" acts on the row the user saw, whatever another
// program has stored since.
std::vector<MappingRow> shownRows;
WNDPROC listProcedure = nullptr;
HWND menuOwner = nullptr;

HWND MappingList(HWND window) {
    return GetDlgItem(window, IDC_MAPPING_LIST);
}

// The text of a control, such as the edit field of a combo box.
std::string ControlText(HWND window, int id) {
    const HWND control = GetDlgItem(window, id);
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

void InsertColumn(HWND list, int column, unsigned heading) {
    std::wstring text = Utf8ToWide(Text(heading));
    LVCOLUMNW header{};
    header.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    header.fmt = LVCFMT_LEFT;
    header.pszText = text.data();
    header.iSubItem = column;
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column),
                 reinterpret_cast<LPARAM>(&header));
}

void SetSubItemText(HWND list, int index, int column, std::wstring text) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text.data();
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
}

void FillComboBox(HWND window, int id, const std::vector<std::string>& items) {
    const HWND box = GetDlgItem(window, id);
    for (const std::string& item : items) {
        SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    SendMessageA(box, CB_SETCURSEL, 0, 0);
}

// The row that is selected first; nothing when no row is selected.
std::optional<MappingRow> FirstSelectedRow(HWND window) {
    const LRESULT index =
        SendMessageA(MappingList(window), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    if (index < 0 || static_cast<std::size_t>(index) >= shownRows.size()) {
        return std::nullopt;
    }
    return shownRows[static_cast<std::size_t>(index)];
}

// A change that did not go through is told, and the list shows the stored table either way.
void ShowTableChange(HWND window, ConsolePlatform& platform, const std::string& failure,
                     const std::string& mainCaption) {
    RefreshMappingList(window, platform.registry, platform.processes);
    if (!failure.empty()) {
        platform.messageBoxes.MessageBoxW(failure, mainCaption, MB_OK | MB_ICONEXCLAMATION);
    }
}

// Where the menu opens when the keyboard asks for it (Shift+F10, the context-menu key): on the
// selected row's name, where a right click would have been, or at the list's top-left corner
// when no row is selected.
POINT KeyboardMenuPoint(HWND list) {
    POINT point{0, 0};
    const auto row = static_cast<int>(
        SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (row >= 0) {
        SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
        RECT name{};
        name.left = LVIR_LABEL;
        if (SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                         reinterpret_cast<LPARAM>(&name))) {
            point = POINT{(name.left + name.right) / 2, (name.top + name.bottom) / 2};
        }
    }
    ClientToScreen(list, &point);
    return point;
}

LRESULT CALLBACK MappingListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CONTEXTMENU) {
        // The keyboard gives no point: both coordinates -1.
        const POINT point = lParam == -1 ? KeyboardMenuPoint(list)
                                         : POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        TrackPopupMenu(listMenu.get(), 0, point.x, point.y, 0, menuOwner, nullptr);
        return 0;
    }
    return CallWindowProcA(listProcedure, list, message, wParam, lParam);
}

// The label shows the default printer afterwards; a refusal is told in words.
void ChangeDefaultPrinterTo(HWND window, const std::string& printerName, ConsolePlatform& platform,
                            const std::string& mainCaption) {
    const DefaultPrinterChange change =
        ChangeDefaultPrinter(platform.spooler, platform.clock, printerName);
    SetDlgItemTextW(window, IDC_DEFAULT_PRINTER, Utf8ToWide(change.label).c_str());
    if (!change.failure.empty()) {
        platform.messageBoxes.MessageBoxW(change.failure, mainCaption, MB_OK | MB_ICONEXCLAMATION);
    }
}

}  // namespace

void SetUpMappingList(HWND window, Registry& registry, Processes& processes) {
    const HWND list = MappingList(window);
    rowsLocked = !UsersKeepTheirRows(registry);
    ownerColumn = rowsLocked || !ReadOrganizationPlaces(registry).places.empty();
    InsertColumn(list, 0, IDS_COLUMN_NETWORK);
    InsertColumn(list, 1, IDS_COLUMN_PRINTER);
    if (ownerColumn) {
        InsertColumn(list, 2, IDS_COLUMN_SET_BY);
    }
    SizeMappingListColumns(window);
    for (const int id : {IDC_ADD, IDC_REMOVE, IDC_NETWORK_BOX}) {
        EnableWindow(GetDlgItem(window, id), !rowsLocked);
    }
    const LPARAM look = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES;
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, static_cast<WPARAM>(look), look);
    RefreshMappingList(window, registry, processes);
}

void SizeMappingListColumns(HWND window) {
    const HWND list = MappingList(window);
    const DialogBaseUnits base = BaseUnitsOf(window);
    const std::vector<int>& widths = ownerColumn ? OwnerColumnWidths : ColumnWidths;
    for (std::size_t column = 0; column < widths.size(); ++column) {
        SendMessageA(list, LVM_SETCOLUMNWIDTH, column, HorizontalPixels(widths[column], base));
    }
}

void RefreshMappingList(HWND window, Registry& registry, Processes& processes) {
    const HCURSOR previousCursor = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    const HWND list = MappingList(window);
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    shownRows = MappingRows(registry, processes);
    const std::vector<MappingRow>& rows = shownRows;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::wstring network = AnsiToWide(rows[i].entry.networkName);
        LVITEMW row{};
        row.mask = LVIF_TEXT | LVIF_PARAM;
        row.iItem = static_cast<int>(i);
        row.pszText = network.data();
        row.lParam = static_cast<LPARAM>(i + 1);
        const auto index = static_cast<int>(
            SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row)));
        SetSubItemText(list, index, 1, AnsiToWide(rows[i].entry.printerName));
        if (ownerColumn) {
            SetSubItemText(list, index, 2, Utf8ToWide(RowOwnerText(rows[i].owner)));
        }
    }
    SetCursor(previousCursor);
}

void FillNetworkBox(HWND window, NetworkList& networks, Adapters& adapters) {
    FillComboBox(window, IDC_NETWORK_BOX, NetworkChoices(AllNetworkList(networks)));
    // Inserted rather than added, so that the sorted box keeps them after the names and a name
    // stays the first choice.
    const HWND box = GetDlgItem(window, IDC_NETWORK_BOX);
    for (const std::string& range : RangeChoices(TakeAdapterSnapshot(adapters))) {
        SendMessageA(box, CB_INSERTSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(range.c_str()));
    }
}

void FillPrinterBox(HWND window, Spooler& spooler) {
    FillComboBox(window, IDC_PRINTER_BOX, spooler.PrinterNames());
}

void ShowPresentDefaultPrinter(HWND window, Spooler& spooler) {
    SetDlgItemTextW(window, IDC_DEFAULT_PRINTER,
                    Utf8ToWide(GetPresentDefaultPrinter(spooler)).c_str());
}

void CreateMappingListMenu(HWND window) {
    listMenu.reset(ProgramTexts().LoadPopupMenu(MAKEINTRESOURCEW(IDR_LIST_MENU)));
    if (rowsLocked) {
        EnableMenuItem(listMenu.get(), IDM_REMOVE, MF_BYCOMMAND | MF_GRAYED);
    }
    menuOwner = window;
}

void SubclassMappingList(HWND window) {
    // The pointer-sized call: a procedure address does not fit a LONG in a 64-bit program.
    listProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        MappingList(window), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(MappingListProcedure)));
}

void EndMappingListMenu(HWND window) {
    if (listProcedure != nullptr) {
        SetWindowLongPtrA(MappingList(window), GWLP_WNDPROC,
                          reinterpret_cast<LONG_PTR>(listProcedure));
        listProcedure = nullptr;
    }
    listMenu.reset();
    menuOwner = nullptr;
}

bool HandleMappingCommand(HWND window, int id, ConsolePlatform& platform,
                          const std::string& mainCaption) {
    switch (id) {
        case IDC_ADD:
            ShowTableChange(window, platform,
                            AddMappingRow(platform.registry, platform.processes,
                                          ControlText(window, IDC_NETWORK_BOX),
                                          ControlText(window, IDC_PRINTER_BOX)),
                            mainCaption);
            return true;
        case IDC_REMOVE:
            if (const std::optional<MappingRow> shown = FirstSelectedRow(window)) {
                ShowTableChange(
                    window, platform,
                    RemoveMappingRow(platform.registry, platform.processes, platform.clock, *shown),
                    mainCaption);
            }
            return true;
        case IDC_CHANGE_DEFAULT:
            ChangeDefaultPrinterTo(window, ControlText(window, IDC_PRINTER_BOX), platform,
                                   mainCaption);
            return true;
        default:
            return false;
    }
}
