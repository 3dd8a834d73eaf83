#pragma once

#include <cstdint>
#include <vector>

#include "common/platform/clock.h"

// A clock whose pauses take no time: it adds them to a virtual now and records each one.
class VirtualClock final : public Clock {
public:
    void Sleep(std::uint32_t milliseconds) override {
        now_ += milliseconds;
        pauses_.push_back(milliseconds);
    }

    std::uint64_t Now() const { return now_; }
    const std::vector<std::uint32_t>& Pauses() const { return pauses_; }

private:
    std::uint64_t now_ = 0;
    std::vector<std::uint32_t> pauses_;
};
