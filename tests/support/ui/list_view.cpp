#include "list_view.h"

#include <commctrl.h>

namespace ui {

namespace {

constexpr SIZE_T TextOffset = 256;
constexpr int TextRoom = 1024;

HANDLE OpenProcessOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
}

}  // namespace

RemoteMemory::RemoteMemory(HWND window, SIZE_T size) : process_(OpenProcessOf(window)) {
    if (process_ != nullptr) {
        address_ =
            VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
}

RemoteMemory::~RemoteMemory() {
    if (address_ != nullptr) {
        VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    if (process_ != nullptr) {
        CloseHandle(process_);
    }
}

std::string RemoteMemory::ReadText(SIZE_T offset, SIZE_T size) const {
    std::string text(size, '\0');
    ReadProcessMemory(process_, At(offset), text.data(), size, nullptr);
    return text.substr(0, text.find('\0'));
}

int ListViewItemCount(HWND list) {
    return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
}

std::string ListViewItemText(HWND list, int item, int subItem) {
    const RemoteMemory memory(list, TextOffset + TextRoom);
    LVITEMA request{};
    request.iSubItem = subItem;
    request.pszText = memory.At(TextOffset);
    request.cchTextMax = TextRoom;
    memory.Write(0, request);
    SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(item), memory.Parameter());
    return memory.ReadText(TextOffset, TextRoom);
}

LPARAM ListViewItemData(HWND list, int item) {
    const RemoteMemory memory(list, sizeof(LVITEMA));
    LVITEMA request{};
    request.mask = LVIF_PARAM;
    request.iItem = item;
    memory.Write(0, request);
    SendMessageA(list, LVM_GETITEMA, 0, memory.Parameter());
    return memory.Read<LVITEMA>(0).lParam;
}

void SelectListViewItem(HWND list, int item) {
    const RemoteMemory memory(list, sizeof(LVITEMA));
    LVITEMA clear{};
    clear.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    memory.Write(0, clear);
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), memory.Parameter());
    if (item < 0) {
        return;
    }
    LVITEMA select = clear;
    select.state = LVIS_SELECTED | LVIS_FOCUSED;
    memory.Write(0, select);
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(item), memory.Parameter());
}

POINT ListViewItemPoint(HWND list, int item) {
    const RemoteMemory memory(list, sizeof(RECT));
    RECT bounds{};
    bounds.left = LVIR_LABEL;
    memory.Write(0, bounds);
    SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(item), memory.Parameter());
    bounds = memory.Read<RECT>(0);
    POINT point{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
    ClientToScreen(list, &point);
    return point;
}

}  // namespace ui
