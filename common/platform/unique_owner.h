#pragma once

#include <cstddef>
#include <memory>
#include <type_traits>

// Every handle the programs open has one owner: a std::unique_ptr whose deleter closes that kind
// of handle, so every owner has the same verbs (get, reset, release) and closes on every path.
// A deleter names the handle type it closes as `pointer`.
template <typename Deleter>
using UniqueOwner = std::unique_ptr<std::remove_pointer_t<typename Deleter::pointer>, Deleter>;

// A handle that is a number rather than a pointer (the seams' own handles), in the form
// std::unique_ptr can hold: 0 is the null handle.
template <typename Number>
class NumberHandle {
public:
    NumberHandle() = default;
    NumberHandle(std::nullptr_t) {}
    NumberHandle(Number value) : value_(value) {}

    operator Number() const { return value_; }

    friend bool operator==(NumberHandle, NumberHandle) = default;

private:
    Number value_ = 0;
};
