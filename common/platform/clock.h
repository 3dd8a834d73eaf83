#pragma once

#include <chrono>
#include <cstdint>

// The passing of time. Programs pause rather than wait for notifications, so every pause goes
// through here and tests can run them in virtual time.
class Clock {
public:
    virtual ~Clock() = default;

    // Pauses the calling thread, as Sleep does.
    virtual void Sleep(std::uint32_t milliseconds) = 0;

    // The present moment in UTC, to the second, as GetSystemTime gives it.
    virtual std::chrono::sys_seconds CurrentUtcTime() = 0;
};
