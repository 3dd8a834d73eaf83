#pragma once

#include "common/settings/dialog_rect.h"

struct DialogSize {
    int width = 0;
    int height = 0;

    friend bool operator==(const DialogSize&, const DialogSize&) = default;
};

// The pixel size of the font's dialog base units: average character width and height.
struct DialogBaseUnits {
    int x = 0;
    int y = 0;
};

// Pixel <-> dialog unit conversions, to the nearest whole unit (halves away from zero, as
// MapDialogRect rounds). A base of 0 gives 0.
int HorizontalDialogUnits(int pixels, const DialogBaseUnits& base);
int VerticalDialogUnits(int pixels, const DialogBaseUnits& base);
int HorizontalPixels(int dialogUnits, const DialogBaseUnits& base);
int VerticalPixels(int dialogUnits, const DialogBaseUnits& base);
