#pragma once

#include <cstdint>

// The passing of time. Programs pause rather than wait for notifications, so every pause goes
// through here and tests can run them in virtual time.
class Clock {
public:
    virtual ~Clock() = default;

    // Pauses the calling thread, as Sleep does.
    virtual void Sleep(std::uint32_t milliseconds) = 0;

    // Milliseconds since the system started, as GetTickCount64 counts them: only differences
    // between two readings mean anything.
    virtual std::uint64_t TickCount() = 0;

    // The local date and time, as GetLocalTime gives it, counted as a FILETIME is (100-nanosecond
    // intervals since 1601-01-01 00:00).
    virtual std::uint64_t LocalTime() = 0;
};
