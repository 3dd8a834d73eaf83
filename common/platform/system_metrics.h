#pragma once

// SM_REMOTESESSION: nonzero in a remote desktop session (Citrix and Azure Virtual Desktop sessions
// answer it too).
inline constexpr int SmRemoteSession = 0x1000;

// GetSystemMetrics of user32.
class SystemMetrics {
public:
    virtual ~SystemMetrics() = default;

    virtual int GetSystemMetrics(int index) = 0;
};
