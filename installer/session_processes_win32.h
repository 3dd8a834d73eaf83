#pragma once

#include <windows.h>

#include <vector>

#include "common/platform/win32/unique_handles_win32.h"

struct SessionProcess {
    DWORD id = 0;
    UniqueHandle process;  // opened to be waited for
};

// The running processes of this session whose image file has the given name, as the process
// snapshot lists them. Another user's programs are of another installation and stay.
std::vector<SessionProcess> SessionProcesses(const char* fileName);
