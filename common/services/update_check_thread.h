#pragma once

#include "common/platform/win32/unique_handles_win32.h"
#include "common/services/update_check.h"

// Starts RunUpdateCheck for the program on a thread of its own, with a 1 MiB stack and COM
// initialised there, and returns at once. Nobody waits for the check: it ends by itself, or with
// the program. Windows only.
void StartUpdateCheck(const UpdateCheckProgram& program);

// The same, handing back the thread, so that a program can wait for the check (and the user's
// answer to its question) before it ends; an empty handle when the thread could not start.
UniqueHandle StartUpdateCheckThread(const UpdateCheckProgram& program);
