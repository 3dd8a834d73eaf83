#include "tests/support/fakes/network_scenario.h"

#include <charconv>
#include <set>

namespace {

const std::set<std::string, std::less<>> TopLevelFailures = {
    "CoCreateInstance", "GetNetworks", "NoEnumerator", "get__NewEnum", "Next", "Advise"};

const std::set<std::string, std::less<>> NetworkFailures = {
    "GetDescription",
    "GetName",
    "GetNetworkId",
    "GetDomainType",
    "GetTimeCreatedAndConnected",
    "GetConnectivity",
    "GetCategory",
    "get_IsConnectedToInternet",
    "get_IsConnected",
    "GetNetworkConnections",
    "connection.get_IsConnected",
    "connection.get_IsConnectedToInternet",
    "connection.GetConnectivity",
    "connection.GetConnectionId",
    "connection.GetAdapterId",
    "connection.GetDomainType",
};

// The text in double quotes, for messages.
std::string Quoted(std::string_view text) {
    std::string quoted(1, '"');
    quoted.append(text);
    quoted += '"';
    return quoted;
}

std::string_view TrimmedSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return std::string_view();
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

template <typename Number>
bool ParseNumber(std::string_view text, Number& number) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    const auto [end, status] =
        std::from_chars(text.data(), text.data() + text.size(), number, base);
    return status == std::errc() && end == text.data() + text.size() && !text.empty();
}

bool ParseYesNo(std::string_view text, bool& value) {
    if (text == "yes" || text == "no") {
        value = text == "yes";
        return true;
    }
    return false;
}

bool ParseHexField(std::string_view text, std::size_t digits, std::uint64_t& value) {
    if (text.size() != digits) {
        return false;
    }
    const auto [end, status] = std::from_chars(text.data(), text.data() + digits, value, 16);
    return status == std::errc() && end == text.data() + digits;
}

// {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}
bool ParseGuid(std::string_view text, Guid& guid) {
    if (text.size() != 38 || text.front() != '{' || text.back() != '}' || text[9] != '-' ||
        text[14] != '-' || text[19] != '-' || text[24] != '-') {
        return false;
    }
    std::uint64_t data1 = 0;
    std::uint64_t data2 = 0;
    std::uint64_t data3 = 0;
    if (!ParseHexField(text.substr(1, 8), 8, data1) ||
        !ParseHexField(text.substr(10, 4), 4, data2) ||
        !ParseHexField(text.substr(15, 4), 4, data3)) {
        return false;
    }
    guid.data1 = static_cast<std::uint32_t>(data1);
    guid.data2 = static_cast<std::uint16_t>(data2);
    guid.data3 = static_cast<std::uint16_t>(data3);
    const std::string_view bytes[8] = {text.substr(20, 2), text.substr(22, 2), text.substr(25, 2),
                                       text.substr(27, 2), text.substr(29, 2), text.substr(31, 2),
                                       text.substr(33, 2), text.substr(35, 2)};
    for (int i = 0; i < 8; ++i) {
        std::uint64_t byte = 0;
        if (!ParseHexField(bytes[i], 2, byte)) {
            return false;
        }
        guid.data4[i] = static_cast<std::uint8_t>(byte);
    }
    return true;
}

// UTF-8 to UTF-16; false for a malformed sequence.
bool DecodeUtf8(std::string_view text, std::u16string& wide) {
    wide.clear();
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int extra = 0;
        char32_t code = 0;
        if (lead < 0x80) {
            code = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (i + extra >= text.size()) {
            return false;
        }
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (next & 0x3F);
        }
        i += 1 + extra;
        if (code >= 0x10000) {
            code -= 0x10000;
            wide += static_cast<char16_t>(0xD800 + (code >> 10));
            wide += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            wide += static_cast<char16_t>(code);
        }
    }
    return true;
}

class ScenarioParser {
public:
    std::optional<NetworkScenario> Parse(std::string_view text, std::string& error) {
        std::size_t lineNumber = 0;
        while (!text.empty()) {
            const std::size_t end = text.find('\n');
            std::string_view line = text.substr(0, end);
            text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
            ++lineNumber;
            if (!line.empty() && line.back() == '\r') {
                line.remove_suffix(1);
            }
            if (!ParseLine(line)) {
                error = std::string("line ")
                            .append(std::to_string(lineNumber))
                            .append(": ")
                            .append(problem_);
                return std::nullopt;
            }
        }
        return scenario_;
    }

private:
    bool ParseLine(std::string_view line) {
        const std::string_view trimmed = TrimmedSpaces(line);
        if (trimmed.empty() || trimmed.front() == '#') {
            return true;
        }
        if (trimmed == "network") {
            scenario_.networks.emplace_back();
            return true;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            return Fail("expected \"network\" or \"key = value\"");
        }
        const std::string_view key = TrimmedSpaces(line.substr(0, equals));
        std::string_view value = line.substr(equals + 1);
        if (!value.empty() && value.front() == ' ') {
            value.remove_prefix(1);
        }
        if (scenario_.networks.empty()) {
            if (key != "fail") {
                return Fail(Quoted(key).append(" before the first network"));
            }
            return ParseFailures(value, TopLevelFailures, scenario_.failures);
        }
        return ParseNetworkSetting(key, value, scenario_.networks.back());
    }

    bool ParseNetworkSetting(std::string_view key, std::string_view value,
                             ScriptedNetwork& network) {
        const std::string_view word = TrimmedSpaces(value);
        bool ok = true;
        if (key == "name") {
            ok = DecodeUtf8(value, network.name);
        } else if (key == "description") {
            ok = DecodeUtf8(value, network.description);
        } else if (key == "connected") {
            ok = ParseYesNo(word, network.connected);
        } else if (key == "internet") {
            ok = ParseYesNo(word, network.internet);
        } else if (key == "connectivity") {
            ok = ParseNumber(word, network.connectivity);
        } else if (key == "category") {
            ok = ParseNumber(word, network.category);
        } else if (key == "domain") {
            ok = ParseNumber(word, network.domainType);
        } else if (key == "created") {
            ok = ParseNumber(word, network.created);
        } else if (key == "connected_at") {
            ok = ParseNumber(word, network.connectedAt);
        } else if (key == "id") {
            Guid id;
            ok = ParseGuid(word, id);
            network.id = id;
        } else if (key == "connections") {
            int count = 0;
            ok = ParseNumber(word, count) && count >= 0;
            network.connections = count;
        } else if (key == "fail") {
            return ParseFailures(value, NetworkFailures, network.failures);
        } else {
            return Fail(std::string("unknown key ").append(Quoted(key)));
        }
        return ok || Fail(std::string("bad value for ").append(Quoted(key)));
    }

    bool ParseFailures(std::string_view value, const std::set<std::string, std::less<>>& allowed,
                       std::map<std::string, ComResult>& failures) {
        while (true) {
            value = TrimmedSpaces(value);
            if (value.empty()) {
                return true;
            }
            const std::size_t end = value.find_first_of(" \t");
            const std::string_view word = value.substr(0, end);
            if (allowed.count(word) == 0) {
                return Fail(std::string("unknown call ").append(Quoted(word)));
            }
            failures[std::string(word)] = ComFail;
            value = end == std::string_view::npos ? std::string_view() : value.substr(end);
        }
    }

    bool Fail(std::string problem) {
        problem_ = std::move(problem);
        return false;
    }

    NetworkScenario scenario_;
    std::string problem_;
};

}  // namespace

ComResult ScriptedNetwork::ResultOf(const std::string& query) const {
    const auto failure = failures.find(query);
    return failure == failures.end() ? ComOk : failure->second;
}

int ScriptedNetwork::ConnectionCount() const {
    return connections.value_or(connected ? 1 : 0);
}

ComResult NetworkScenario::ResultOf(const std::string& call) const {
    const auto failure = failures.find(call);
    return failure == failures.end() ? ComOk : failure->second;
}

Guid DefaultNetworkId(std::size_t position) {
    Guid id;
    id.data1 = 0x4C4D0000u | static_cast<std::uint32_t>(position & 0xFFFFu);
    return id;
}

Guid ConnectionIdOf(const Guid& networkId, int index) {
    Guid id = networkId;
    id.data2 = static_cast<std::uint16_t>(0xC000u | (static_cast<unsigned>(index) & 0xFFFu));
    return id;
}

Guid AdapterIdOf(const Guid& networkId, int index) {
    Guid id = networkId;
    id.data2 = static_cast<std::uint16_t>(0xA000u | (static_cast<unsigned>(index) & 0xFFFu));
    return id;
}

std::optional<NetworkScenario> ParseNetworkScenario(std::string_view text, std::string& error) {
    return ScenarioParser().Parse(text, error);
}
