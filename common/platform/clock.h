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

    // The present moment in local time, to the second, as GetLocalTime gives it.
    virtual std::chrono::local_seconds CurrentLocalTime() = 0;

    // Milliseconds since the system started, as GetTickCount64 counts them: only differences
    // between two readings mean anything, and a change of the system clock does not move them.
    virtual std::uint64_t TickCount() = 0;
};
