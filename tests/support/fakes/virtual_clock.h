#pragma once

#include <chrono>
#include <cstdint>
#include <vector>

#include "common/platform/clock.h"

// A clock whose pauses take no time: it adds them to a virtual now and records each one. Its UTC
// time starts at a fixed moment and moves with the pauses; its local time is an hour ahead.
class VirtualClock final : public Clock {
public:
    void Sleep(std::uint32_t milliseconds) override {
        now_ += milliseconds;
        pauses_.push_back(milliseconds);
    }

    std::chrono::sys_seconds CurrentUtcTime() override {
        return utcStart_ + std::chrono::seconds(now_ / 1000);
    }

    std::chrono::local_seconds CurrentLocalTime() override {
        return std::chrono::local_seconds(CurrentUtcTime().time_since_epoch() +
                                          std::chrono::hours(1));
    }

    std::uint64_t TickCount() override { return now_; }

    // Moves the UTC time without a pause, as another day or a changed system clock would.
    void AdvanceUtcTime(std::chrono::seconds by) { utcStart_ += by; }

    std::uint64_t Now() const { return now_; }
    const std::vector<std::uint32_t>& Pauses() const { return pauses_; }

private:
    std::uint64_t now_ = 0;
    std::vector<std::uint32_t> pauses_;
    std::chrono::sys_seconds utcStart_ =
        std::chrono::sys_days(std::chrono::year(2026) / 12 / 7) + std::chrono::hours(9);
};
