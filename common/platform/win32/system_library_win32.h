#pragma once

#include <windows.h>

#include "common/platform/win32/unique_handles_win32.h"

// Loads a DLL that comes with Windows from the system folder alone: never from the program's own
// folder or the current one, where a planted copy of the same name could wait.
inline UniqueLibrary LoadSystemLibrary(const wchar_t* name) {
    return UniqueLibrary(LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
}
