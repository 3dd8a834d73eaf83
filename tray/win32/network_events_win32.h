#pragma once

#include <windows.h>
#include <ocidl.h>
#include <netlistmgr.h>

#include <memory>

#include "common/platform/win32/com_ptr.h"

// The tray program's subscription to the Network List Manager's network events (INetworkEvents).
// Each event posts a message to the host window, so that the watch runs on the window's own
// thread whatever thread the event arrives on. The subscription holds COM, the Network List
// Manager and the connection point on the subscribing thread until it goes, and unadvises first.
class NetworkEventSubscription {
public:
    // Subscribes on the calling thread; nullptr when anything on the way fails (an older system,
    // a server without events), and nothing is then left behind.
    static std::unique_ptr<NetworkEventSubscription> Subscribe(HWND window, UINT message);

    ~NetworkEventSubscription();
    NetworkEventSubscription(const NetworkEventSubscription&) = delete;
    NetworkEventSubscription& operator=(const NetworkEventSubscription&) = delete;

private:
    NetworkEventSubscription() = default;
    bool Advise(HWND window, UINT message);

    // CoInitialize for the subscription's lifetime, undone after everything else is released.
    class ComApartment {
    public:
        ComApartment() : joined_(SUCCEEDED(CoInitialize(nullptr))) {}
        ~ComApartment() {
            if (joined_) {
                CoUninitialize();
            }
        }
        ComApartment(const ComApartment&) = delete;
        ComApartment& operator=(const ComApartment&) = delete;

        bool Joined() const { return joined_; }

    private:
        bool joined_;
    };

    ComApartment apartment_;
    ComPtr<INetworkListManager> manager_;
    ComPtr<IConnectionPoint> connectionPoint_;
    DWORD cookie_ = 0;
    bool advised_ = false;
};
