#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/platform/network_list.h"

// Networks as a test scripts them, for the host fake and for the scripted COM server alike.
//
// The scenario file, UTF-8, one setting per line:
//   # a comment line                blank lines are ignored too; keys are case-sensitive
//   fail = GetNetworks Next         top level, before the first network: any of CoCreateInstance
//                                   GetNetworks NoEnumerator get__NewEnum Next
//   network                         starts a network; networks are enumerated in file order
//   name = Home                     and description, connected (yes/no), internet (yes/no),
//                                   connectivity, category, domain (decimal or 0x hex), created,
//                                   connected_at (FILETIME, decimal), id ({GUID}), connections
//   fail = GetName connection.GetAdapterId
// A value is everything after the first "= " up to the line end. "NoEnumerator" makes
// GetNetworks succeed without an enumerator, "Next" makes the enumerator answer E_FAIL instead of
// S_FALSE once the networks are used up, the other words make that call answer E_FAIL.

struct ScriptedNetwork {
    std::u16string name;
    std::u16string description;
    bool connected = false;
    bool internet = false;
    std::uint32_t connectivity = 0;
    std::uint32_t category = 0;
    std::uint32_t domainType = 0;
    FileTime created = 0;
    FileTime connectedAt = 0;
    std::optional<Guid> id;          // DefaultNetworkId of its position when not given
    std::optional<int> connections;  // 1 when connected, else 0, when not given
    // Queries answering something other than S_OK, by method name ("GetName",
    // "get_IsConnected", "connection.GetAdapterId", ...).
    std::map<std::string, ComResult> failures;

    ComResult ResultOf(const std::string& query) const;
    int ConnectionCount() const;
};

struct NetworkScenario {
    // Top-level failures: "CoCreateInstance", "GetNetworks", "NoEnumerator", "get__NewEnum",
    // "Next".
    std::map<std::string, ComResult> failures;
    std::vector<ScriptedNetwork> networks;

    ComResult ResultOf(const std::string& call) const;
    bool Fails(const std::string& call) const { return failures.count(call) != 0; }
};

// The identifiers of a network that gives none, and of its connections and their adapters
// (both counted from 0): network n is {4C4Dnnnn-0000-0000-0000-000000000000}, its connection c
// the network's identifier with Cccc as second group, that connection's adapter Accc.
Guid DefaultNetworkId(std::size_t position);
Guid ConnectionIdOf(const Guid& networkId, int index);
Guid AdapterIdOf(const Guid& networkId, int index);

// The scenario a file's text describes; std::nullopt and a message naming the line when the
// text breaks the format.
std::optional<NetworkScenario> ParseNetworkScenario(std::string_view text, std::string& error);
