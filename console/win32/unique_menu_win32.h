#pragma once

#include <windows.h>

// Owns a menu that no window holds and destroys it when it goes.
class UniqueMenu {
public:
    UniqueMenu() = default;
    explicit UniqueMenu(HMENU menu) : menu_(menu) {}
    ~UniqueMenu() { Reset(); }
    UniqueMenu(const UniqueMenu&) = delete;
    UniqueMenu& operator=(const UniqueMenu&) = delete;

    HMENU Get() const { return menu_; }

    void Reset(HMENU menu = nullptr) {
        if (menu_ != nullptr) {
            DestroyMenu(menu_);
        }
        menu_ = menu;
    }

private:
    HMENU menu_ = nullptr;
};
