#include "console/dialog_units.h"

#include <cstdint>

namespace {

// value * numerator / denominator rounded to the nearest integer, halves away from zero.
int ScaledRounded(int value, int numerator, int denominator) {
    if (denominator == 0) {
        return 0;
    }
    std::int64_t product = static_cast<std::int64_t>(value) * numerator;
    std::int64_t divisor = denominator;
    if (divisor < 0) {
        product = -product;
        divisor = -divisor;
    }
    const std::int64_t half = divisor / 2;
    const std::int64_t rounded =
        product >= 0 ? (product + half) / divisor : -((-product + half) / divisor);
    return static_cast<int>(rounded);
}

}  // namespace

int HorizontalDialogUnits(int pixels, const DialogBaseUnits& base) {
    return ScaledRounded(pixels, 4, base.x);
}

int VerticalDialogUnits(int pixels, const DialogBaseUnits& base) {
    return ScaledRounded(pixels, 8, base.y);
}

int HorizontalPixels(int dialogUnits, const DialogBaseUnits& base) {
    return ScaledRounded(dialogUnits, base.x, 4);
}

int VerticalPixels(int dialogUnits, const DialogBaseUnits& base) {
    return ScaledRounded(dialogUnits, base.y, 8);
}
