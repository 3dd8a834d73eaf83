#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/platform/network_list.h"
#include "tests/support/fakes/network_scenario.h"

// A Network List Manager that answers from a scenario, keeps a log of the calls made to it and
// counts the objects it has handed out that are not yet released.
//
// Its ANSI code page is a multi-byte one, UTF-8, with Windows' rules for sizing a conversion; its
// upper-casing maps ASCII and the Latin-1 letters (U+00E0 to U+00FE but U+00F7), as the system's
// does beyond ASCII.
class ScriptedNetworkList final : public NetworkList {
public:
    struct State {
        NetworkScenario scenario;
        ComResult coInitializeResult = ComOk;
        bool recordCalls = true;
        std::vector<std::string> calls;
        int liveObjects = 0;
        int comInitializations = 0;  // CoInitialize calls not yet undone
        std::uint32_t getNetworksFlags = 0;
    };

    explicit ScriptedNetworkList(NetworkScenario scenario = {});

    NetworkScenario& Scenario() { return state_.scenario; }

    // The answer CoInitialize gives (S_FALSE when already initialised, RPC_E_CHANGED_MODE...).
    void SetCoInitializeResult(ComResult result) { state_.coInitializeResult = result; }
    void RecordCalls(bool record) { state_.recordCalls = record; }

    // Every call in order, as "Interface.Method", and "Interface.Release" when an object goes.
    const std::vector<std::string>& Calls() const { return state_.calls; }
    void ClearCalls() { state_.calls.clear(); }
    int LiveObjects() const { return state_.liveObjects; }
    int ComInitializations() const { return state_.comInitializations; }
    std::uint32_t GetNetworksFlags() const { return state_.getNetworksFlags; }

    ComResult CoInitialize() override;
    void CoUninitialize() override;
    ComResult CoCreateInstance(std::unique_ptr<NetworkListManager>& manager) override;
    int WideCharToMultiByte(const char16_t* wide, int wideLength, char* ansi,
                            int ansiSize) override;
    void CharUpperBuffA(char* text, std::uint32_t length) override;

private:
    State state_;
};
