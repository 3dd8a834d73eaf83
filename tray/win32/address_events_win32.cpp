#include "tray/win32/address_events_win32.h"

#include <winsock2.h>
#include <ws2tcpip.h>
#include <iphlpapi.h>
#include <netioapi.h>

// The callbacks are static members so that they may post through the private Post.
class AddressEventCallbacks {
public:
    static VOID WINAPI OnAddress(PVOID context, PMIB_UNICASTIPADDRESS_ROW, MIB_NOTIFICATION_TYPE) {
        static_cast<const AddressEventSubscription*>(context)->Post();
    }
    static VOID WINAPI OnInterface(PVOID context, PMIB_IPINTERFACE_ROW, MIB_NOTIFICATION_TYPE) {
        static_cast<const AddressEventSubscription*>(context)->Post();
    }
};

void AddressEventSubscription::NotificationCanceller::operator()(HANDLE notification) const {
    CancelMibChangeNotify2(notification);
}

std::unique_ptr<AddressEventSubscription> AddressEventSubscription::Subscribe(HWND window,
                                                                              UINT message) {
    std::unique_ptr<AddressEventSubscription> subscription(
        new AddressEventSubscription(window, message));
    if (!subscription->Notify()) {
        return nullptr;
    }
    return subscription;
}

bool AddressEventSubscription::Notify() {
    HANDLE addresses = nullptr;
    if (NotifyUnicastIpAddressChange(AF_UNSPEC, &AddressEventCallbacks::OnAddress, this, FALSE,
                                     &addresses) == NO_ERROR) {
        addresses_.reset(addresses);
    }
    HANDLE interfaces = nullptr;
    if (NotifyIpInterfaceChange(AF_UNSPEC, &AddressEventCallbacks::OnInterface, this, FALSE,
                                &interfaces) == NO_ERROR) {
        interfaces_.reset(interfaces);
    }
    return addresses_ && interfaces_;
}
