#pragma once

#include <oleauto.h>

#include <utility>

// Owns one BSTR and frees it with SysFreeString when it goes.
class UniqueBstr {
public:
    UniqueBstr() = default;
    ~UniqueBstr() { reset(); }

    UniqueBstr(const UniqueBstr&) = delete;
    UniqueBstr& operator=(const UniqueBstr&) = delete;

    BSTR get() const { return text_; }

    // The address for a call that hands over a new string; any string held goes first.
    BSTR* Receive() {
        reset();
        return &text_;
    }

    void reset() { SysFreeString(std::exchange(text_, nullptr)); }

private:
    BSTR text_ = nullptr;
};
