#include "tests/support/scripted_nlm/scenario_watch.h"

#include <memory>

#include "tests/support/scripted_nlm/com_object.h"
#include "tests/support/scripted_nlm/network_ids.h"
#include "tests/support/scripted_nlm/scenario_file.h"

namespace {

constexpr wchar_t WatchClass[] = L"LumivoScriptedNetworkWatch";
constexpr UINT_PTR PollTimer = 1;
constexpr UINT PollInterval = 200;

using Scenario = std::shared_ptr<const NetworkScenario>;

// The position of the network with that identifier, or -1.
int PositionOf(const NetworkScenario& scenario, const Guid& id) {
    for (std::size_t i = 0; i < scenario.networks.size(); ++i) {
        if (NetworkIdAt(scenario, i) == id) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

DWORD ChangedProperties(const ScriptedNetwork& before, const ScriptedNetwork& after) {
    DWORD flags = 0;
    if (before.name != after.name) {
        flags |= NLM_NETWORK_PROPERTY_CHANGE_NAME;
    }
    if (before.description != after.description) {
        flags |= NLM_NETWORK_PROPERTY_CHANGE_DESCRIPTION;
    }
    if (before.category != after.category) {
        flags |= NLM_NETWORK_PROPERTY_CHANGE_CATEGORY_VALUE;
    }
    if (before.ConnectionCount() != after.ConnectionCount()) {
        flags |= NLM_NETWORK_PROPERTY_CHANGE_CONNECTION;
    }
    return flags;
}

// Calls the sink for every difference between two scenarios.
void ReportChanges(const NetworkScenario& before, const NetworkScenario& after,
                   INetworkEvents& sink) {
    for (std::size_t i = 0; i < before.networks.size(); ++i) {
        const Guid id = NetworkIdAt(before, i);
        if (PositionOf(after, id) < 0) {
            sink.NetworkDeleted(ToGuid(id));
        }
    }
    for (std::size_t i = 0; i < after.networks.size(); ++i) {
        const Guid id = NetworkIdAt(after, i);
        const ScriptedNetwork& now = after.networks[i];
        const auto connectivity = static_cast<NLM_CONNECTIVITY>(now.connectivity);
        const int earlier = PositionOf(before, id);
        if (earlier < 0) {
            sink.NetworkAdded(ToGuid(id));
            if (now.connected) {
                sink.NetworkConnectivityChanged(ToGuid(id), connectivity);
            }
            continue;
        }
        const ScriptedNetwork& then = before.networks[static_cast<std::size_t>(earlier)];
        if (then.connected != now.connected || then.connectivity != now.connectivity) {
            sink.NetworkConnectivityChanged(ToGuid(id), connectivity);
        }
        if (const DWORD flags = ChangedProperties(then, now); flags != 0) {
            sink.NetworkPropertyChanged(ToGuid(id),
                                        static_cast<NLM_NETWORK_PROPERTY_CHANGE>(flags));
        }
    }
}

// One advised sink and what it has been told so far. It counts among the server's live objects,
// since an advised sink keeps the server in use.
class ScenarioWatch {
public:
    explicit ScenarioWatch(INetworkEvents* sink)
        // The time first: a change between the two reads is then in the scenario held, where the
        // other order would keep the older scenario until the file changes again.
        : sink_(sink), writeTime_(ScenarioWriteTime()), scenario_(LoadScenarioFile()) {
        sink_->AddRef();
        ++g_liveObjects;
    }
    ~ScenarioWatch() {
        sink_->Release();
        --g_liveObjects;
    }
    ScenarioWatch(const ScenarioWatch&) = delete;
    ScenarioWatch& operator=(const ScenarioWatch&) = delete;

    void Poll() {
        const unsigned long long writeTime = ScenarioWriteTime();
        if (writeTime == writeTime_) {
            return;
        }
        writeTime_ = writeTime;
        Scenario next = LoadScenarioFile();
        ReportChanges(*scenario_, *next, *sink_);
        scenario_ = std::move(next);
    }

private:
    INetworkEvents* sink_;
    unsigned long long writeTime_;
    Scenario scenario_;
};

LRESULT CALLBACK WatchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* watch = reinterpret_cast<ScenarioWatch*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_TIMER && wParam == PollTimer && watch != nullptr) {
        watch->Poll();
        return 0;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        delete watch;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HINSTANCE ThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(&WatchProc), &module);
    return module;
}

}  // namespace

HWND StartScenarioWatch(INetworkEvents* sink) {
    const HINSTANCE module = ThisModule();
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WatchProc;
    windowClass.hInstance = module;
    windowClass.lpszClassName = WatchClass;
    // A second registration fails because the class is there already, which is as good.
    RegisterClassW(&windowClass);
    // The window takes the watch at its first message and owns it from then on; creation fails
    // only before that message, since the window procedure refuses nothing.
    auto watch = std::make_unique<ScenarioWatch>(sink);
    HWND window = CreateWindowExW(0, WatchClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, module,
                                  watch.get());
    if (window == nullptr) {
        return nullptr;
    }
    watch.release();
    SetTimer(window, PollTimer, PollInterval, nullptr);
    return window;
}

void EndScenarioWatch(HWND watch) {
    if (GetWindowThreadProcessId(watch, nullptr) == GetCurrentThreadId()) {
        DestroyWindow(watch);
    } else {
        PostMessageW(watch, WM_CLOSE, 0, 0);
    }
}
