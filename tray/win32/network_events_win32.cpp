#include "tray/win32/network_events_win32.h"

#include <atomic>

#include "common/platform/win32/network_list_ids_win32.h"

namespace {

// COM interfaces have no virtual destructor by design; the sink deletes itself through its own
// final class.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

// Turns every network event into a message posted to the host window. Posting is safe from any
// thread and keeps the sink free of the program's state.
class NetworkEventSink final : public INetworkEvents {
public:
    NetworkEventSink(HWND window, UINT message) : window_(window), message_(message) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, __uuidof(INetworkEvents))) {
            *object = static_cast<INetworkEvents*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }

    HRESULT STDMETHODCALLTYPE NetworkAdded(GUID) override { return Notify(); }
    HRESULT STDMETHODCALLTYPE NetworkDeleted(GUID) override { return Notify(); }
    HRESULT STDMETHODCALLTYPE NetworkConnectivityChanged(GUID, NLM_CONNECTIVITY) override {
        return Notify();
    }
    HRESULT STDMETHODCALLTYPE NetworkPropertyChanged(GUID, NLM_NETWORK_PROPERTY_CHANGE) override {
        return Notify();
    }

private:
    HRESULT Notify() const {
        PostMessageA(window_, message_, 0, 0);
        return S_OK;
    }

    HWND window_;
    UINT message_;
    std::atomic<ULONG> references_{1};
};

#pragma GCC diagnostic pop

}  // namespace

std::unique_ptr<NetworkEventSubscription> NetworkEventSubscription::Subscribe(HWND window,
                                                                              UINT message) {
    std::unique_ptr<NetworkEventSubscription> subscription(new NetworkEventSubscription());
    if (!subscription->Advise(window, message)) {
        return nullptr;
    }
    return subscription;
}

bool NetworkEventSubscription::Advise(HWND window, UINT message) {
    if (!apartment_.Joined() ||
        CoCreateInstance(ClsidNetworkListManager, nullptr, CLSCTX_ALL,
                         __uuidof(INetworkListManager),
                         reinterpret_cast<void**>(manager_.Receive())) != S_OK) {
        return false;
    }
    ComPtr<IConnectionPointContainer> container;
    if (manager_->QueryInterface(__uuidof(IConnectionPointContainer),
                                 reinterpret_cast<void**>(container.Receive())) != S_OK ||
        container->FindConnectionPoint(__uuidof(INetworkEvents), connectionPoint_.Receive()) !=
            S_OK) {
        return false;
    }
    ComPtr<INetworkEvents> sink;
    *sink.Receive() = new NetworkEventSink(window, message);
    advised_ = connectionPoint_->Advise(sink.get(), &cookie_) == S_OK;
    return advised_;
}

NetworkEventSubscription::~NetworkEventSubscription() {
    if (advised_) {
        connectionPoint_->Unadvise(cookie_);
    }
}
