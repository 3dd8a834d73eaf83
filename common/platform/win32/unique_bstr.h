#pragma once

#include <oleauto.h>

#include <utility>

// Owns one BSTR and frees it with SysFreeString when it goes.
class UniqueBstr {
public:
    UniqueBstr() = default;
    ~UniqueBstr() { SysFreeString(text_); }

    UniqueBstr(const UniqueBstr&) = delete;
    UniqueBstr& operator=(const UniqueBstr&) = delete;

    BSTR Get() const { return text_; }

    // The address for a call that hands over a new string; any string held goes first.
    BSTR* Receive() {
        SysFreeString(std::exchange(text_, nullptr));
        return &text_;
    }

private:
    BSTR text_ = nullptr;
};
