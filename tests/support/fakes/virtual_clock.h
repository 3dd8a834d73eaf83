#pragma once

#include <cstdint>
#include <vector>

#include "common/platform/clock.h"

// A clock whose pauses take no time: it adds them to a virtual now and records each one. Its
// local time starts at StartLocalTime and moves with the virtual now.
class VirtualClock final : public Clock {
public:
    // 2026-03-14 09:30:00 as a FILETIME count.
    static constexpr std::uint64_t StartLocalTime = 134179542000000000;

    void Sleep(std::uint32_t milliseconds) override {
        now_ += milliseconds;
        pauses_.push_back(milliseconds);
    }
    std::uint64_t TickCount() override { return now_; }
    std::uint64_t LocalTime() override { return StartLocalTime + now_ * 10'000; }

    std::uint64_t Now() const { return now_; }
    const std::vector<std::uint32_t>& Pauses() const { return pauses_; }

private:
    std::uint64_t now_ = 0;
    std::vector<std::uint32_t> pauses_;
};
