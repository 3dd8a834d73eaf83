#pragma once

#include "common/platform/clock.h"

class Win32Clock final : public Clock {
public:
    void Sleep(std::uint32_t milliseconds) override;
    std::uint64_t TickCount() override;
    std::uint64_t LocalTime() override;
};
