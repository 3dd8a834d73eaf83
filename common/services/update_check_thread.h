#pragma once

#include "common/services/update_check.h"

// Starts RunUpdateCheck for the program on a thread of its own, with a 1 MiB stack and COM
// initialised there, and returns at once. Nobody waits for the check: it ends by itself, or with
// the program. Windows only.
void StartUpdateCheck(const UpdateCheckProgram& program);
