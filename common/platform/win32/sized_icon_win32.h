#pragma once

#include <windows.h>

#include <utility>

// Owns an icon loaded at a size of its own and destroys it.
class UniqueIcon {
public:
    UniqueIcon() = default;
    explicit UniqueIcon(HICON icon) : icon_(icon) {}
    ~UniqueIcon() { Reset(); }
    UniqueIcon(UniqueIcon&& other) noexcept : icon_(std::exchange(other.icon_, nullptr)) {}
    UniqueIcon& operator=(UniqueIcon&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.icon_, nullptr));
        }
        return *this;
    }
    UniqueIcon(const UniqueIcon&) = delete;
    UniqueIcon& operator=(const UniqueIcon&) = delete;

    HICON Get() const { return icon_; }
    void Reset(HICON icon = nullptr) {
        if (icon_ != nullptr) {
            DestroyIcon(icon_);
        }
        icon_ = icon;
    }

private:
    HICON icon_ = nullptr;
};

// The icon resource at the size Windows gives icons of the metric (SM_CXICON for the large one,
// SM_CXSMICON for the small one of captions and the notification area) at a screen's DPI. The
// resource's own image of that size when it has one; otherwise its nearest image, scaled.
UniqueIcon LoadSizedIcon(HINSTANCE instance, const char* name, int metric, UINT dpi);

// The DPI at which the process was started: the one the system metrics answer for.
UINT SystemDpi();
