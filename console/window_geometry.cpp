#include "console/window_geometry.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

bool Overlap(const PixelRect& a, const PixelRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Square of the gap between two rectangles; 0 when they touch or overlap.
std::int64_t SquaredGap(const PixelRect& a, const PixelRect& b) {
    const std::int64_t dx = std::max({0, b.left - a.right, a.left - b.right});
    const std::int64_t dy = std::max({0, b.top - a.bottom, a.top - b.bottom});
    return dx * dx + dy * dy;
}

// The start of a span of the given length placed as near as possible to start within
// [low, high); a span longer than the range starts at low.
int ClampedStart(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

}  // namespace

std::optional<DialogRect> GeometryToRestore(const DialogRect& stored) {
    if (stored == DialogRect{}) {
        return std::nullopt;
    }
    return stored;
}

namespace {

PixelRect InPixels(const DialogRect& units, const DialogBaseUnits& base) {
    const int left = HorizontalPixels(units.x, base);
    const int top = VerticalPixels(units.y, base);
    return PixelRect{left, top, left + HorizontalPixels(units.width, base),
                     top + VerticalPixels(units.height, base)};
}

bool Contains(const PixelRect& area, int x, int y) {
    return area.left <= x && x < area.right && area.top <= y && y < area.bottom;
}

}  // namespace

PixelRect StoredGeometryInPixels(const DialogRect& stored,
                                 const std::vector<ScaledScreen>& screens) {
    for (const ScaledScreen& screen : screens) {
        const PixelRect pixels = InPixels(stored, screen.base);
        if (Contains(screen.area, pixels.left, pixels.top)) {
            return pixels;
        }
    }
    return InPixels(stored, screens.empty() ? DialogBaseUnits{} : screens.front().base);
}

PixelRect BroughtIntoView(const PixelRect& window, const std::vector<PixelRect>& workAreas) {
    const PixelRect* nearest = nullptr;
    std::int64_t nearestGap = std::numeric_limits<std::int64_t>::max();
    for (const PixelRect& area : workAreas) {
        if (Overlap(window, area)) {
            return window;
        }
        const std::int64_t gap = SquaredGap(window, area);
        if (gap < nearestGap) {
            nearestGap = gap;
            nearest = &area;
        }
    }
    if (nearest == nullptr) {
        return window;
    }
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const int left = ClampedStart(window.left, width, nearest->left, nearest->right);
    const int top = ClampedStart(window.top, height, nearest->top, nearest->bottom);
    return PixelRect{left, top, left + width, top + height};
}
