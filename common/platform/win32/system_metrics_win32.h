#pragma once

#include "common/platform/system_metrics.h"

class Win32SystemMetrics final : public SystemMetrics {
public:
    int GetSystemMetrics(int index) override;
};
