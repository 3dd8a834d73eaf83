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
// A scenario file is UTF-8 text, one setting per line. Lines starting with # (comments) and blank
// lines are ignored; keys are case-sensitive; a value is everything after the first "= " up to
// the line end, so names keep their inner and further leading spaces.
//
//   fail = GetNetworks Next   top level, before the first network; any of CoCreateInstance,
//                             GetNetworks, NoEnumerator (GetNetworks succeeds without giving an
//                             enumerator), get__NewEnum, Next (E_FAIL instead of S_FALSE once
//                             the networks are used up), Advise (the connection point of the
//                             network events refuses every sink); the others answer E_FAIL
//   network                   starts a network; networks are enumerated in file order
//   name = Home               GetName, default empty
//   description = Home Wi-Fi  GetDescription, default empty
//   connected = yes           get_IsConnected, yes or no, default no
//   internet = no             get_IsConnectedToInternet, default no
//   connectivity = 0x41       GetConnectivity, decimal or 0x hex, default 0
//   category = 1              GetCategory, default 0
//   domain = 0                GetDomainType, default 0
//   created = 0               GetTimeCreatedAndConnected: FILETIMEs as 64-bit decimals, default 0
//   connected_at = 0
//   id = {D5A9E7C0-1111-2222-3333-444455556666}   GetNetworkId, default DefaultNetworkId
//   connections = 2           connections, each answering like its network; default 1 when
//                             connected, else 0
//   fail = GetName connection.GetAdapterId
//                             queries of this network answering E_FAIL: any method above,
//                             GetNetworkConnections, and the connection's methods prefixed
//                             "connection." (get_IsConnected, get_IsConnectedToInternet,
//                             GetConnectivity, GetConnectionId, GetAdapterId, GetDomainType)
//
// Network events: the scripted COM server offers the connection point of INetworkEvents. While a
// sink is advised, the server looks at the file's last-write time every 200 ms; when it changed,
// it reads the file again and calls the sink on the thread that advised it (through a hidden
// window of that thread, which must pump messages), telling networks apart by their identifiers:
// NetworkDeleted for a network gone, NetworkAdded for a new one (then
// NetworkConnectivityChanged when it is connected), NetworkConnectivityChanged when "connected"
// or "connectivity" changed, and NetworkPropertyChanged with the flags of a changed name,
// description, category or number of connections. Networks without an id are told apart by
// their position. Write a changed file aside and move it in place, so that no read sees half.

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
