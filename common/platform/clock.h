#pragma once

#include <cstdint>

// The passing of time. Programs pause rather than wait for notifications, so every pause goes
// through here and tests can run them in virtual time.
class Clock {
public:
    virtual ~Clock() = default;

    // Pauses the calling thread, as Sleep does.
    virtual void Sleep(std::uint32_t milliseconds) = 0;
};
