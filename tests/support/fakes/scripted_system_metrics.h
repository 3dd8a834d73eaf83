#pragma once

#include "common/platform/system_metrics.h"

// A session that is local unless a test makes it remote.
class ScriptedSystemMetrics final : public SystemMetrics {
public:
    int remoteSession = 0;
    int GetSystemMetrics(int index) override {
        return index == SmRemoteSession ? remoteSession : 0;
    }
};
