#pragma once

#include "common/platform/registry.h"
#include "common/settings/dialog_rect.h"

// Where the Console's main window was when it last closed, in dialog units (WLocX, WLocY,
// WWidth, WHeight). Each value missing, empty or without a number reads as 0.
DialogRect ReadWindowPlacement(Registry& registry);

void SaveWindowPlacement(Registry& registry, const DialogRect& placement);
