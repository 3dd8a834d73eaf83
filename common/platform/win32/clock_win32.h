#pragma once

#include "common/platform/clock.h"

class Win32Clock final : public Clock {
public:
    void Sleep(std::uint32_t milliseconds) override;
    std::chrono::sys_seconds CurrentUtcTime() override;
    std::chrono::local_seconds CurrentLocalTime() override;
    std::uint64_t TickCount() override;
};
