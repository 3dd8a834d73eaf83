#pragma once

#include <windows.h>

#include <string>

// Reading and changing another process's list view. Its messages carry pointers that the system
// does not carry across processes, so their data lies in memory of the list's own process.
namespace ui {

// Memory in the process that owns a window, freed when the object goes.
class RemoteMemory {
public:
    RemoteMemory(HWND window, SIZE_T size);
    ~RemoteMemory();
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    // The address in the other process, for a message's parameter.
    char* At(SIZE_T offset) const { return static_cast<char*>(address_) + offset; }
    LPARAM Parameter(SIZE_T offset = 0) const { return reinterpret_cast<LPARAM>(At(offset)); }

    template <typename T>
    void Write(SIZE_T offset, const T& value) const {
        WriteProcessMemory(process_, At(offset), &value, sizeof value, nullptr);
    }
    template <typename T>
    T Read(SIZE_T offset) const {
        T value{};
        ReadProcessMemory(process_, At(offset), &value, sizeof value, nullptr);
        return value;
    }
    // A zero-ended text of at most size bytes.
    std::string ReadText(SIZE_T offset, SIZE_T size) const;

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
};

int ListViewItemCount(HWND list);
std::string ListViewItemText(HWND list, int item, int subItem);
// The item's application data (lParam).
LPARAM ListViewItemData(HWND list, int item);
// Selects and focuses the item alone; -1 clears the selection.
void SelectListViewItem(HWND list, int item);
// The screen point in the middle of the item's label.
POINT ListViewItemPoint(HWND list, int item);

}  // namespace ui
