#pragma once

#include <windows.h>

#include "console/anchor_table.h"

// Records a control's place (flag 1), or re-lays it for the dialog's present client size as the
// flags ask (4: follow the bottom edge, 8: stretch the width, 16: stretch the height). A control
// that was never recorded stays where it is.
void AnchorControl(HWND dialog, int controlId, unsigned flags);
