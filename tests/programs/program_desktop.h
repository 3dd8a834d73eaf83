#pragma once

#include "support/ui/virtual_desktop.h"

// The virtual desktop on which the program tests run their programs, made at its first use and
// kept for the whole test run: a thread that has joined a desktop cannot join a second one once
// it owns windows, and Wine does not let go of a desktop's X window in between.
ui::VirtualDesktop& ProgramDesktop();
