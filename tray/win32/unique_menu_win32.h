#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

// Owns a menu loaded from resources and destroys it, with its submenus, when it goes.
struct MenuDestroyer {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroyer>;
