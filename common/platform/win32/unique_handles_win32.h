#pragma once

#include <windows.h>

#include "common/platform/unique_owner.h"

// Owners of the Windows handles the programs open themselves.

struct HandleCloser {
    using pointer = HANDLE;
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
// A kernel object: process, thread, mutex, event.
using UniqueHandle = UniqueOwner<HandleCloser>;

struct HkeyCloser {
    using pointer = HKEY;
    void operator()(HKEY key) const { RegCloseKey(key); }
};
// A registry key that a program watches itself, outside the registry seam.
using UniqueRegistryKey = UniqueOwner<HkeyCloser>;

struct MenuDestroyer {
    using pointer = HMENU;
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
// A menu that no window holds; its submenus go with it.
using UniqueMenu = UniqueOwner<MenuDestroyer>;

struct LibraryFreer {
    using pointer = HMODULE;
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
// A loaded module (LoadLibraryA, LoadLibraryExW).
using UniqueLibrary = UniqueOwner<LibraryFreer>;

struct GlobalFreer {
    using pointer = HGLOBAL;
    void operator()(HGLOBAL block) const { GlobalFree(block); }
};
// A movable global memory block, as the common dialogs hand them out.
using UniqueGlobal = UniqueOwner<GlobalFreer>;

struct IconDestroyer {
    using pointer = HICON;
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
// An icon loaded at a size of its own.
using UniqueIcon = UniqueOwner<IconDestroyer>;

struct FontDeleter {
    using pointer = HFONT;
    void operator()(HFONT font) const { DeleteObject(font); }
};
using UniqueFont = UniqueOwner<FontDeleter>;

// Keeps a global memory block locked for the lifetime of the lock.
template <typename T>
class LockedGlobal {
public:
    explicit LockedGlobal(HGLOBAL block)
        : block_(block), data_(block ? static_cast<T*>(::GlobalLock(block)) : nullptr) {}
    ~LockedGlobal() {
        if (data_ != nullptr) {
            ::GlobalUnlock(block_);
        }
    }
    LockedGlobal(const LockedGlobal&) = delete;
    LockedGlobal& operator=(const LockedGlobal&) = delete;

    T* get() const { return data_; }

private:
    HGLOBAL block_;
    T* data_;
};
