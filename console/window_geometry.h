#pragma once

#include <optional>
#include <vector>

#include "console/dialog_units.h"

// A rectangle in screen pixels, right and bottom exclusive, as Windows gives them.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The outer place and size to give the main window at start, or nothing when no geometry has
// been stored yet (all four values 0): the window then keeps its creation size and centring.
std::optional<DialogRect> GeometryToRestore(const DialogRect& stored);

// A screen: its rectangle and the base units of the window's font at the screen's scale.
struct ScaledScreen {
    PixelRect area;
    DialogBaseUnits base;
};

// The stored geometry (dialog units) in screen pixels. The units are those of the screen the
// window was on when they were stored, so they are read with the units of the screen they put
// the window's top-left corner on; with those of the first screen (the primary one) when they
// put it on none.
PixelRect StoredGeometryInPixels(const DialogRect& stored,
                                 const std::vector<ScaledScreen>& screens);

// The window rectangle moved, size kept, into the nearest of the work areas when it lies wholly
// outside all of them (a monitor that has gone away, a changed layout); otherwise unchanged.
PixelRect BroughtIntoView(const PixelRect& window, const std::vector<PixelRect>& workAreas);
