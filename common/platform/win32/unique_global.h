#pragma once

#include <windows.h>

// Owns a movable global memory block (as the common dialogs hand them out) and frees it.
class UniqueGlobal {
public:
    explicit UniqueGlobal(HGLOBAL block = nullptr) : block_(block) {}
    ~UniqueGlobal() {
        if (block_ != nullptr) {
            GlobalFree(block_);
        }
    }
    UniqueGlobal(const UniqueGlobal&) = delete;
    UniqueGlobal& operator=(const UniqueGlobal&) = delete;

    HGLOBAL get() const { return block_; }

private:
    HGLOBAL block_;
};

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
