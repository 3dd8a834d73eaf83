#pragma once

#include <windows.h>

#include <memory>

#include "common/platform/unique_owner.h"

// The tray program's subscription to the system's notices of changed addresses
// (NotifyUnicastIpAddressChange) and interfaces (NotifyIpInterfaceChange), so that a move
// between two address ranges of one network is followed as a network switch is. Each notice
// posts a message to the host window, whatever thread it arrives on. The subscription cancels
// both notices before it goes; cancelling waits for a notice under way, so none arrives after.
class AddressEventSubscription {
public:
    // Subscribes for both address families; nullptr when either notice cannot be had (Wine
    // answers success without a notification handle and never calls back), and nothing is then
    // left behind.
    static std::unique_ptr<AddressEventSubscription> Subscribe(HWND window, UINT message);

    AddressEventSubscription(const AddressEventSubscription&) = delete;
    AddressEventSubscription& operator=(const AddressEventSubscription&) = delete;

private:
    friend class AddressEventCallbacks;

    AddressEventSubscription(HWND window, UINT message) : window_(window), message_(message) {}
    bool Notify();
    void Post() const { PostMessageA(window_, message_, 0, 0); }

    struct NotificationCanceller {
        using pointer = HANDLE;
        void operator()(HANDLE notification) const;
    };
    using UniqueNotification = UniqueOwner<NotificationCanceller>;

    HWND window_;
    UINT message_;
    // Declared after what the callbacks read, so that they are cancelled first.
    UniqueNotification addresses_;
    UniqueNotification interfaces_;
};
