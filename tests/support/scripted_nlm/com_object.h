#pragma once

#include <windows.h>
#include <oleauto.h>

#include <atomic>
#include <type_traits>

// Objects and server locks alive in this DLL; it may be unloaded when both are zero.
extern std::atomic<long> g_liveObjects;
extern std::atomic<long> g_serverLocks;

// COM interfaces have no virtual destructor by design; these objects delete themselves in Release
// through their own class, whose destructor is virtual.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

// IUnknown for an object that implements one interface (and IDispatch when that interface
// derives from it), counted among the DLL's live objects.
template <typename Interface>
class ComObject : public Interface {
public:
    ComObject() { ++g_liveObjects; }
    virtual ~ComObject() { --g_liveObjects; }
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, __uuidof(Interface)) ||
            (std::is_base_of_v<IDispatch, Interface> && IsEqualIID(iid, IID_IDispatch))) {
            *object = static_cast<Interface*>(this);
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

private:
    std::atomic<ULONG> references_{1};
};

// The scripted objects offer no type information; callers use their vtables.
template <typename Interface>
class DispatchObject : public ComObject<Interface> {
public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count == nullptr) {
            return E_POINTER;
        }
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }
};

#pragma GCC diagnostic pop
