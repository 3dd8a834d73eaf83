// A Network List Manager that serves the networks of a scenario file, for tests under Wine. It
// is registered in the test prefix in place of Wine's own and reads the file named by
// LUMIVO_TEST_NETWORKS each time a Network List Manager is created.
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>
#include <netlistmgr.h>

#include <ocidl.h>
#include <olectl.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/platform/win32/network_list_ids_win32.h"
#include "tests/support/scripted_nlm/com_object.h"
#include "tests/support/scripted_nlm/network_ids.h"
#include "tests/support/scripted_nlm/scenario_file.h"
#include "tests/support/scripted_nlm/scenario_watch.h"

std::atomic<long> g_liveObjects{0};
std::atomic<long> g_serverLocks{0};

namespace {

using Scenario = std::shared_ptr<const NetworkScenario>;

VARIANT_BOOL VariantBool(bool value) {
    return value ? VARIANT_TRUE : VARIANT_FALSE;
}

// Answers a query: stores the value when the scenario lets it succeed.
template <typename Out, typename Value>
HRESULT Answer(HRESULT result, Out* out, const Value& value) {
    if (out == nullptr) {
        return E_POINTER;
    }
    if (result == S_OK) {
        *out = static_cast<Out>(value);
    }
    return result;
}

HRESULT AnswerText(HRESULT result, BSTR* out, const std::u16string& text) {
    if (out == nullptr) {
        return E_POINTER;
    }
    *out = nullptr;
    if (result != S_OK) {
        return result;
    }
    const std::wstring wide(text.begin(), text.end());
    *out = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

// An empty IEnumVARIANT: what get__NewEnum hands out.
class EmptyVariantEnumerator final : public ComObject<IEnumVARIANT> {
public:
    HRESULT STDMETHODCALLTYPE Next(ULONG, VARIANT*, ULONG* fetched) override {
        if (fetched != nullptr) {
            *fetched = 0;
        }
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG) override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE Reset() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** clone) override {
        if (clone == nullptr) {
            return E_POINTER;
        }
        *clone = new EmptyVariantEnumerator();
        return S_OK;
    }
};

class ScriptedNetwork;

class ScriptedConnection final : public DispatchObject<INetworkConnection> {
public:
    ScriptedConnection(Scenario scenario, std::size_t position, int index)
        : scenario_(std::move(scenario)), position_(position), index_(index) {}

    HRESULT STDMETHODCALLTYPE GetNetwork(INetwork** network) override;
    HRESULT STDMETHODCALLTYPE get_IsConnectedToInternet(VARIANT_BOOL* connected) override {
        return Answer(Result("get_IsConnectedToInternet"), connected,
                      VariantBool(Network().internet));
    }
    HRESULT STDMETHODCALLTYPE get_IsConnected(VARIANT_BOOL* connected) override {
        return Answer(Result("get_IsConnected"), connected, VariantBool(Network().connected));
    }
    HRESULT STDMETHODCALLTYPE GetConnectivity(NLM_CONNECTIVITY* connectivity) override {
        return Answer(Result("GetConnectivity"), connectivity, Network().connectivity);
    }
    HRESULT STDMETHODCALLTYPE GetConnectionId(GUID* id) override {
        return Answer(Result("GetConnectionId"), id,
                      ToGuid(ConnectionIdOf(NetworkIdAt(*scenario_, position_), index_)));
    }
    HRESULT STDMETHODCALLTYPE GetAdapterId(GUID* id) override {
        return Answer(Result("GetAdapterId"), id,
                      ToGuid(AdapterIdOf(NetworkIdAt(*scenario_, position_), index_)));
    }
    HRESULT STDMETHODCALLTYPE GetDomainType(NLM_DOMAIN_TYPE* domainType) override {
        return Answer(Result("GetDomainType"), domainType, Network().domainType);
    }

private:
    const ::ScriptedNetwork& Network() const { return scenario_->networks[position_]; }
    HRESULT Result(const char* method) const {
        return Network().ResultOf(std::string("connection.") + method);
    }

    Scenario scenario_;
    std::size_t position_;
    int index_;
};

class ScriptedConnectionEnumerator final : public DispatchObject<IEnumNetworkConnections> {
public:
    ScriptedConnectionEnumerator(Scenario scenario, std::size_t position, int next = 0)
        : scenario_(std::move(scenario)), position_(position), next_(next) {}

    HRESULT STDMETHODCALLTYPE get__NewEnum(IEnumVARIANT** enumerator) override {
        if (enumerator == nullptr) {
            return E_POINTER;
        }
        *enumerator = new EmptyVariantEnumerator();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Next(ULONG wanted, INetworkConnection** connections,
                                   ULONG* fetched) override {
        if (connections == nullptr) {
            return E_POINTER;
        }
        const int count = scenario_->networks[position_].ConnectionCount();
        ULONG given = 0;
        while (given < wanted && next_ < count) {
            connections[given++] = new ScriptedConnection(scenario_, position_, next_++);
        }
        if (fetched != nullptr) {
            *fetched = given;
        }
        return given == wanted ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
        next_ += static_cast<int>(count);
        return next_ <= scenario_->networks[position_].ConnectionCount() ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() override {
        next_ = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IEnumNetworkConnections** clone) override {
        if (clone == nullptr) {
            return E_POINTER;
        }
        *clone = new ScriptedConnectionEnumerator(scenario_, position_, next_);
        return S_OK;
    }

private:
    Scenario scenario_;
    std::size_t position_;
    int next_;
};

class ScriptedNetwork final : public DispatchObject<INetwork> {
public:
    ScriptedNetwork(Scenario scenario, std::size_t position)
        : scenario_(std::move(scenario)), position_(position) {}

    HRESULT STDMETHODCALLTYPE GetName(BSTR* name) override {
        return AnswerText(Result("GetName"), name, Network().name);
    }
    HRESULT STDMETHODCALLTYPE SetName(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetDescription(BSTR* description) override {
        return AnswerText(Result("GetDescription"), description, Network().description);
    }
    HRESULT STDMETHODCALLTYPE SetDescription(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetNetworkId(GUID* id) override {
        return Answer(Result("GetNetworkId"), id, ToGuid(NetworkIdAt(*scenario_, position_)));
    }
    HRESULT STDMETHODCALLTYPE GetDomainType(NLM_DOMAIN_TYPE* domainType) override {
        return Answer(Result("GetDomainType"), domainType, Network().domainType);
    }
    HRESULT STDMETHODCALLTYPE
    GetNetworkConnections(IEnumNetworkConnections** connections) override {
        if (connections == nullptr) {
            return E_POINTER;
        }
        *connections = nullptr;
        const HRESULT result = Result("GetNetworkConnections");
        if (result == S_OK) {
            *connections = new ScriptedConnectionEnumerator(scenario_, position_);
        }
        return result;
    }
    HRESULT STDMETHODCALLTYPE GetTimeCreatedAndConnected(DWORD* createdLow, DWORD* createdHigh,
                                                         DWORD* connectedLow,
                                                         DWORD* connectedHigh) override {
        if (createdLow == nullptr || createdHigh == nullptr || connectedLow == nullptr ||
            connectedHigh == nullptr) {
            return E_POINTER;
        }
        const HRESULT result = Result("GetTimeCreatedAndConnected");
        if (result == S_OK) {
            *createdLow = static_cast<DWORD>(Network().created);
            *createdHigh = static_cast<DWORD>(Network().created >> 32);
            *connectedLow = static_cast<DWORD>(Network().connectedAt);
            *connectedHigh = static_cast<DWORD>(Network().connectedAt >> 32);
        }
        return result;
    }
    HRESULT STDMETHODCALLTYPE get_IsConnectedToInternet(VARIANT_BOOL* connected) override {
        return Answer(Result("get_IsConnectedToInternet"), connected,
                      VariantBool(Network().internet));
    }
    HRESULT STDMETHODCALLTYPE get_IsConnected(VARIANT_BOOL* connected) override {
        return Answer(Result("get_IsConnected"), connected, VariantBool(Network().connected));
    }
    HRESULT STDMETHODCALLTYPE GetConnectivity(NLM_CONNECTIVITY* connectivity) override {
        return Answer(Result("GetConnectivity"), connectivity, Network().connectivity);
    }
    HRESULT STDMETHODCALLTYPE GetCategory(NLM_NETWORK_CATEGORY* category) override {
        return Answer(Result("GetCategory"), category, Network().category);
    }
    HRESULT STDMETHODCALLTYPE SetCategory(NLM_NETWORK_CATEGORY) override { return E_NOTIMPL; }

private:
    const ::ScriptedNetwork& Network() const { return scenario_->networks[position_]; }
    HRESULT Result(const char* method) const { return Network().ResultOf(method); }

    Scenario scenario_;
    std::size_t position_;
};

HRESULT STDMETHODCALLTYPE ScriptedConnection::GetNetwork(INetwork** network) {
    if (network == nullptr) {
        return E_POINTER;
    }
    *network = new ScriptedNetwork(scenario_, position_);
    return S_OK;
}

// The networks that GetNetworks selected, by their positions in the scenario.
class ScriptedNetworkEnumerator final : public DispatchObject<IEnumNetworks> {
public:
    ScriptedNetworkEnumerator(Scenario scenario, std::vector<std::size_t> positions,
                              std::size_t next = 0)
        : scenario_(std::move(scenario)), positions_(std::move(positions)), next_(next) {}

    HRESULT STDMETHODCALLTYPE get__NewEnum(IEnumVARIANT** enumerator) override {
        if (enumerator == nullptr) {
            return E_POINTER;
        }
        *enumerator = nullptr;
        const HRESULT result = scenario_->ResultOf("get__NewEnum");
        if (result == S_OK) {
            *enumerator = new EmptyVariantEnumerator();
        }
        return result;
    }
    HRESULT STDMETHODCALLTYPE Next(ULONG wanted, INetwork** networks, ULONG* fetched) override {
        if (networks == nullptr) {
            return E_POINTER;
        }
        ULONG given = 0;
        while (given < wanted && next_ < positions_.size()) {
            networks[given++] = new ScriptedNetwork(scenario_, positions_[next_++]);
        }
        if (fetched != nullptr) {
            *fetched = given;
        }
        if (given == wanted) {
            return S_OK;
        }
        return scenario_->Fails("Next") ? scenario_->ResultOf("Next") : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
        next_ += count;
        return next_ <= positions_.size() ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() override {
        next_ = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IEnumNetworks** clone) override {
        if (clone == nullptr) {
            return E_POINTER;
        }
        *clone = new ScriptedNetworkEnumerator(scenario_, positions_, next_);
        return S_OK;
    }

private:
    Scenario scenario_;
    std::vector<std::size_t> positions_;
    std::size_t next_;
};

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

// The Network List Manager, with the connection point of its network events (INetworkEvents).
class ScriptedNetworkListManager final : public DispatchObject<INetworkListManager>,
                                         public IConnectionPointContainer {
public:
    explicit ScriptedNetworkListManager(Scenario scenario) : scenario_(std::move(scenario)) {}
    // A client that never unadvised loses its sinks with the object, as a client that goes does.
    ~ScriptedNetworkListManager() override {
        for (const auto& [cookie, watch] : watches_) {
            EndScenarioWatch(watch);
        }
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object != nullptr && IsEqualIID(iid, IID_IConnectionPointContainer)) {
            *object = static_cast<IConnectionPointContainer*>(this);
            AddRef();
            return S_OK;
        }
        return DispatchObject::QueryInterface(iid, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return DispatchObject::AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return DispatchObject::Release(); }

    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;

    // The connection point's Advise and Unadvise. The scenario option "fail = Advise" refuses
    // every sink.
    HRESULT AdviseSink(IUnknown* sink, DWORD* cookie) {
        if (sink == nullptr || cookie == nullptr) {
            return E_POINTER;
        }
        *cookie = 0;
        if (scenario_->Fails("Advise")) {
            return scenario_->ResultOf("Advise");
        }
        INetworkEvents* events = nullptr;
        if (sink->QueryInterface(__uuidof(INetworkEvents), reinterpret_cast<void**>(&events)) !=
            S_OK) {
            return CONNECT_E_CANNOTCONNECT;
        }
        const HWND watch = StartScenarioWatch(events);
        events->Release();
        if (watch == nullptr) {
            return E_FAIL;
        }
        *cookie = ++lastCookie_;
        watches_[*cookie] = watch;
        return S_OK;
    }
    HRESULT UnadviseSink(DWORD cookie) {
        const auto found = watches_.find(cookie);
        if (found == watches_.end()) {
            return CONNECT_E_NOCONNECTION;
        }
        EndScenarioWatch(found->second);
        watches_.erase(found);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE GetNetworks(NLM_ENUM_NETWORK flags,
                                          IEnumNetworks** networks) override {
        if (networks == nullptr) {
            return E_POINTER;
        }
        *networks = nullptr;
        const HRESULT result = scenario_->ResultOf("GetNetworks");
        if (result != S_OK || scenario_->Fails("NoEnumerator")) {
            return result;
        }
        std::vector<std::size_t> positions;
        for (std::size_t i = 0; i < scenario_->networks.size(); ++i) {
            const bool connected = scenario_->networks[i].connected;
            if ((connected && (flags & NLM_ENUM_NETWORK_CONNECTED)) ||
                (!connected && (flags & NLM_ENUM_NETWORK_DISCONNECTED))) {
                positions.push_back(i);
            }
        }
        *networks = new ScriptedNetworkEnumerator(scenario_, std::move(positions));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetNetwork(GUID id, INetwork** network) override {
        if (network == nullptr) {
            return E_POINTER;
        }
        *network = nullptr;
        for (std::size_t i = 0; i < scenario_->networks.size(); ++i) {
            if (IsEqualGUID(ToGuid(NetworkIdAt(*scenario_, i)), id)) {
                *network = new ScriptedNetwork(scenario_, i);
                return S_OK;
            }
        }
        return E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE GetNetworkConnections(IEnumNetworkConnections**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetNetworkConnection(GUID, INetworkConnection**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE IsConnectedToInternet(VARIANT_BOOL* connected) override {
        return Answer(S_OK, connected, VariantBool(Any(&::ScriptedNetwork::internet)));
    }
    HRESULT STDMETHODCALLTYPE IsConnected(VARIANT_BOOL* connected) override {
        return Answer(S_OK, connected, VariantBool(Any(&::ScriptedNetwork::connected)));
    }
    HRESULT STDMETHODCALLTYPE GetConnectivity(NLM_CONNECTIVITY* connectivity) override {
        std::uint32_t all = 0;
        for (const ::ScriptedNetwork& network : scenario_->networks) {
            all |= network.connectivity;
        }
        return Answer(S_OK, connectivity, all);
    }

private:
    bool Any(bool ::ScriptedNetwork::*flag) const {
        for (const ::ScriptedNetwork& network : scenario_->networks) {
            if (network.*flag) {
                return true;
            }
        }
        return false;
    }

    Scenario scenario_;
    std::map<DWORD, HWND> watches_;
    DWORD lastCookie_ = 0;
};

// The connection point for INetworkEvents. It holds the manager, which keeps the sinks, so that
// every connection point found on one manager sees the same advised sinks.
class ScenarioConnectionPoint final : public ComObject<IConnectionPoint> {
public:
    explicit ScenarioConnectionPoint(ScriptedNetworkListManager* manager) : manager_(manager) {
        manager_->AddRef();
    }
    ~ScenarioConnectionPoint() override { manager_->Release(); }

    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override {
        if (iid == nullptr) {
            return E_POINTER;
        }
        *iid = __uuidof(INetworkEvents);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE
    GetConnectionPointContainer(IConnectionPointContainer** container) override {
        if (container == nullptr) {
            return E_POINTER;
        }
        *container = manager_;
        manager_->AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override {
        return manager_->AdviseSink(sink, cookie);
    }
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override {
        return manager_->UnadviseSink(cookie);
    }
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections**) override { return E_NOTIMPL; }

private:
    ScriptedNetworkListManager* manager_;
};

#pragma GCC diagnostic pop

HRESULT STDMETHODCALLTYPE
ScriptedNetworkListManager::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
    if (point == nullptr) {
        return E_POINTER;
    }
    *point = nullptr;
    if (!IsEqualIID(iid, __uuidof(INetworkEvents))) {
        return CONNECT_E_NOCONNECTION;
    }
    *point = new ScenarioConnectionPoint(this);
    return S_OK;
}

class ClassFactory final : public ComObject<IClassFactory> {
public:
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        *object = nullptr;
        if (outer != nullptr) {
            return CLASS_E_NOAGGREGATION;
        }
        Scenario scenario = LoadScenarioFile();
        if (scenario->Fails("CoCreateInstance")) {
            return scenario->ResultOf("CoCreateInstance");
        }
        auto* manager = new ScriptedNetworkListManager(std::move(scenario));
        const HRESULT result = manager->QueryInterface(iid, object);
        manager->Release();
        return result;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        if (lock) {
            ++g_serverLocks;
        } else {
            --g_serverLocks;
        }
        return S_OK;
    }
};

}  // namespace

// Once loaded, the server stays in the process, as a system DLL would between a program's
// network walks: its statically linked runtime loses a few KB each time COM unloads it, which
// would otherwise show as a leak of the program under test.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        HMODULE pinned = nullptr;
        GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                           reinterpret_cast<LPCWSTR>(instance), &pinned);
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    if (!IsEqualCLSID(clsid, ClsidNetworkListManager)) {
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    auto* factory = new ClassFactory();
    const HRESULT result = factory->QueryInterface(iid, object);
    factory->Release();
    return result;
}

STDAPI DllCanUnloadNow() {
    return g_liveObjects == 0 && g_serverLocks == 0 ? S_OK : S_FALSE;
}
