#include "tests/support/fakes/scripted_network_list.h"

#include <algorithm>
#include <cstring>

namespace {

using State = ScriptedNetworkList::State;

// Counts itself among the live objects and logs its release.
class FakeObject {
public:
    FakeObject(State& state, const char* interfaceName)
        : state_(state), interfaceName_(interfaceName) {
        ++state_.liveObjects;
    }
    ~FakeObject() {
        --state_.liveObjects;
        Record("Release");
    }
    FakeObject(const FakeObject&) = delete;
    FakeObject& operator=(const FakeObject&) = delete;

protected:
    void Record(const char* method) {
        if (state_.recordCalls) {
            state_.calls.push_back(std::string(interfaceName_) + "." + method);
        }
    }

    State& state_;

private:
    const char* interfaceName_;
};

Guid NetworkIdOf(const ScriptedNetwork& network, std::size_t position) {
    return network.id.value_or(DefaultNetworkId(position));
}

class FakeConnection final : public NetworkConnection, FakeObject {
public:
    FakeConnection(State& state, const ScriptedNetwork& network, std::size_t position, int index)
        : FakeObject(state, "INetworkConnection"),
          network_(network),
          networkId_(NetworkIdOf(network, position)),
          index_(index) {}

    ComResult IsConnected(bool& connected) override {
        return Answer("get_IsConnected", network_.connected, connected);
    }
    ComResult IsConnectedToInternet(bool& connected) override {
        return Answer("get_IsConnectedToInternet", network_.internet, connected);
    }
    ComResult GetConnectivity(std::uint32_t& connectivity) override {
        return Answer("GetConnectivity", network_.connectivity, connectivity);
    }
    ComResult GetConnectionId(Guid& id) override {
        return Answer("GetConnectionId", ConnectionIdOf(networkId_, index_), id);
    }
    ComResult GetAdapterId(Guid& id) override {
        return Answer("GetAdapterId", AdapterIdOf(networkId_, index_), id);
    }
    ComResult GetDomainType(std::uint32_t& domainType) override {
        return Answer("GetDomainType", network_.domainType, domainType);
    }

private:
    template <typename T>
    ComResult Answer(const char* method, const T& value, T& answer) {
        Record(method);
        const ComResult result = network_.ResultOf(std::string("connection.") + method);
        if (result == ComOk) {
            answer = value;
        }
        return result;
    }

    const ScriptedNetwork& network_;
    Guid networkId_;
    int index_;
};

class FakeConnectionEnumerator final : public NetworkConnectionEnumerator, FakeObject {
public:
    FakeConnectionEnumerator(State& state, const ScriptedNetwork& network, std::size_t position)
        : FakeObject(state, "IEnumNetworkConnections"), network_(network), position_(position) {}

    ComResult Next(std::unique_ptr<NetworkConnection>& connection) override {
        Record("Next");
        if (next_ >= network_.ConnectionCount()) {
            return ComFalse;
        }
        connection = std::make_unique<FakeConnection>(state_, network_, position_, next_++);
        return ComOk;
    }

private:
    const ScriptedNetwork& network_;
    std::size_t position_;
    int next_ = 0;
};

class FakeNetwork final : public Network, FakeObject {
public:
    FakeNetwork(State& state, const ScriptedNetwork& network, std::size_t position)
        : FakeObject(state, "INetwork"), network_(network), position_(position) {}

    ComResult GetDescription(WideText& description) override {
        return Answer("GetDescription", network_.description, description);
    }
    ComResult GetName(WideText& name) override { return Answer("GetName", network_.name, name); }
    ComResult GetNetworkId(Guid& id) override {
        return Answer("GetNetworkId", NetworkIdOf(network_, position_), id);
    }
    ComResult GetDomainType(std::uint32_t& domainType) override {
        return Answer("GetDomainType", network_.domainType, domainType);
    }
    ComResult GetTimeCreatedAndConnected(FileTime& created, FileTime& connected) override {
        const ComResult result = Answer("GetTimeCreatedAndConnected", network_.created, created);
        if (result == ComOk) {
            connected = network_.connectedAt;
        }
        return result;
    }
    ComResult GetConnectivity(std::uint32_t& connectivity) override {
        return Answer("GetConnectivity", network_.connectivity, connectivity);
    }
    ComResult GetCategory(std::uint32_t& category) override {
        return Answer("GetCategory", network_.category, category);
    }
    ComResult IsConnectedToInternet(bool& connected) override {
        return Answer("get_IsConnectedToInternet", network_.internet, connected);
    }
    ComResult IsConnected(bool& connected) override {
        return Answer("get_IsConnected", network_.connected, connected);
    }
    ComResult GetNetworkConnections(
        std::unique_ptr<NetworkConnectionEnumerator>& connections) override {
        Record("GetNetworkConnections");
        const ComResult result = network_.ResultOf("GetNetworkConnections");
        if (result == ComOk) {
            connections = std::make_unique<FakeConnectionEnumerator>(state_, network_, position_);
        }
        return result;
    }

private:
    template <typename T>
    ComResult Answer(const char* method, const T& value, T& answer) {
        Record(method);
        const ComResult result = network_.ResultOf(method);
        if (result == ComOk) {
            answer = value;
        }
        return result;
    }

    const ScriptedNetwork& network_;
    std::size_t position_;
};

class FakeNetworkEnumerator final : public NetworkEnumerator, FakeObject {
public:
    explicit FakeNetworkEnumerator(State& state) : FakeObject(state, "IEnumNetworks") {}

    ComResult GetNewEnum() override {
        Record("get__NewEnum");
        return state_.scenario.ResultOf("get__NewEnum");
    }

    ComResult Next(std::unique_ptr<Network>& network) override {
        Record("Next");
        if (next_ >= state_.scenario.networks.size()) {
            return state_.scenario.Fails("Next") ? state_.scenario.ResultOf("Next") : ComFalse;
        }
        network = std::make_unique<FakeNetwork>(state_, state_.scenario.networks[next_], next_);
        ++next_;
        return ComOk;
    }

private:
    std::size_t next_ = 0;
};

class FakeNetworkListManager final : public NetworkListManager, FakeObject {
public:
    explicit FakeNetworkListManager(State& state) : FakeObject(state, "INetworkListManager") {}

    ComResult GetNetworks(std::uint32_t flags,
                          std::unique_ptr<NetworkEnumerator>& networks) override {
        Record("GetNetworks");
        state_.getNetworksFlags = flags;
        const ComResult result = state_.scenario.ResultOf("GetNetworks");
        if (result == ComOk && !state_.scenario.Fails("NoEnumerator")) {
            networks = std::make_unique<FakeNetworkEnumerator>(state_);
        }
        return result;
    }
};

// UTF-8 bytes of one code point.
void AppendUtf8(char32_t code, std::string& bytes) {
    if (code < 0x80) {
        bytes += static_cast<char>(code);
    } else if (code < 0x800) {
        bytes += static_cast<char>(0xC0 | (code >> 6));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        bytes += static_cast<char>(0xE0 | (code >> 12));
        bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        bytes += static_cast<char>(0xF0 | (code >> 18));
        bytes += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD, as Windows converts it.
std::string Utf8Of(const char16_t* wide, int length) {
    std::string bytes;
    for (int i = 0; i < length; ++i) {
        char32_t code = wide[i];
        const bool high = code >= 0xD800 && code <= 0xDBFF;
        if (high && i + 1 < length && wide[i + 1] >= 0xDC00 && wide[i + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
            ++i;
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            code = 0xFFFD;
        }
        AppendUtf8(code, bytes);
    }
    return bytes;
}

}  // namespace

ScriptedNetworkList::ScriptedNetworkList(NetworkScenario scenario) {
    state_.scenario = std::move(scenario);
}

ComResult ScriptedNetworkList::CoInitialize() {
    if (state_.recordCalls) {
        state_.calls.push_back("CoInitialize");
    }
    if (state_.coInitializeResult >= 0) {
        ++state_.comInitializations;
    }
    return state_.coInitializeResult;
}

void ScriptedNetworkList::CoUninitialize() {
    if (state_.recordCalls) {
        state_.calls.push_back("CoUninitialize");
    }
    --state_.comInitializations;
}

ComResult ScriptedNetworkList::CoCreateInstance(std::unique_ptr<NetworkListManager>& manager) {
    if (state_.recordCalls) {
        state_.calls.push_back("CoCreateInstance");
    }
    const ComResult result = state_.scenario.ResultOf("CoCreateInstance");
    if (result == ComOk) {
        manager = std::make_unique<FakeNetworkListManager>(state_);
    }
    return result;
}

int ScriptedNetworkList::WideCharToMultiByte(const char16_t* wide, int wideLength, char* ansi,
                                             int ansiSize) {
    if (wide == nullptr || wideLength <= 0 || ansiSize < 0) {
        return 0;
    }
    const std::string bytes = Utf8Of(wide, wideLength);
    const int needed = static_cast<int>(bytes.size());
    if (ansiSize == 0) {
        return needed;
    }
    // Windows fills what fits and then fails with ERROR_INSUFFICIENT_BUFFER.
    std::memcpy(ansi, bytes.data(), static_cast<std::size_t>(std::min(needed, ansiSize)));
    return needed <= ansiSize ? needed : 0;
}

void ScriptedNetworkList::CharUpperBuffA(char* text, std::uint32_t length) {
    for (std::uint32_t i = 0; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 'a' && byte <= 'z') {
            text[i] = static_cast<char>(byte - 'a' + 'A');
        } else if (byte == 0xC3 && i + 1 < length) {
            const auto next = static_cast<unsigned char>(text[i + 1]);
            if (next >= 0xA0 && next <= 0xBE && next != 0xB7) {
                text[i + 1] = static_cast<char>(next - 0x20);
            }
            ++i;
        }
    }
}
