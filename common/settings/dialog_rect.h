#pragma once

// A place and size in dialog units, in which the Console keeps the positions and sizes of its
// windows: a horizontal unit is a quarter of the font's average character width, a vertical
// unit an eighth of its height.
struct DialogRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const DialogRect&, const DialogRect&) = default;
};
