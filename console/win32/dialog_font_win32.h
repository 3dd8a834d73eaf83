#pragma once

#include <windows.h>

#include "console/dialog_units.h"

// A dialog's font after its window has moved to a screen of another scale. The dialog manager
// measures a dialog's units once, from the font it was created with; a dialog that is rescaled
// here gets the same font at the new DPI, handed to the dialog's controls, and its units come
// from that font from then on.

// Notes the DPI of the dialog's window as it is created, the one its font is made at: the
// system's DPI of sign-in may differ. Rescaling works from it.
void NoteDialogCreated(HWND dialog);

// Gives the dialog's controls its font at the new DPI.
void RescaleDialogFont(HWND dialog, UINT dpi);

// Deletes the rescaled font and the notes once the dialog and its controls are gone.
void ReleaseDialogFont(HWND dialog);

// The rescaled font's base units; false for a dialog still at the DPI it was created at.
bool RescaledBaseUnits(HWND dialog, DialogBaseUnits& base);

// The base units the dialog's font would have at a DPI.
DialogBaseUnits BaseUnitsAtDpi(HWND dialog, UINT dpi);

// The DPI the dialog's font is at: its window's until the dialog is rescaled.
UINT DialogDpi(HWND dialog);
