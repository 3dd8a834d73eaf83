#pragma once

#include <windows.h>

#include "console/dialog_units.h"
#include "console/window_geometry.h"

// Pixel sizes of the dialog's base units, from its font (the rescaled one once it has moved to a
// screen of another scale).
DialogBaseUnits BaseUnitsOf(HWND dialog);

// The dialog's client size in its dialog units.
DialogSize ClientSizeOf(HWND dialog);

// A control's place within the dialog's client area, in the dialog's units.
DialogRect ControlRectOf(HWND dialog, HWND control);

// Moves and sizes a control to a place given in the dialog's units.
void MoveControl(HWND dialog, HWND control, const DialogRect& place);

// Dialog units <-> screen pixels for a rectangle, with the dialog's base units.
DialogRect ToDialogUnits(const PixelRect& pixels, const DialogBaseUnits& base);
PixelRect ToPixels(const DialogRect& units, const DialogBaseUnits& base);

PixelRect PixelRectOf(const RECT& rect);
