#include "common/network/name_lists.h"

#include <string_view>

#include "common/network/network_report.h"
#include "common/network/report_readers.h"

namespace {

using NameReader = std::string (*)(std::string_view text, std::string_view& rest);

std::string NameList(NetworkList& networks, NameReader nextName) {
    const std::string report = BuildNetworkReport(networks);
    std::string list;
    std::string_view rest = report;
    for (;;) {
        const std::string name = nextName(rest, rest);
        if (name.empty()) {
            return list;
        }
        if (!list.empty()) {
            list += ", ";
        }
        list += name;
    }
}

// Upper-cased the system's way, then trimmed of leading and trailing spaces (not tabs).
std::string ComparableText(NetworkList& networks, std::string text) {
    networks.CharUpperBuffA(text.data(), static_cast<std::uint32_t>(text.size()));
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return std::string();
    }
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

}  // namespace

std::string ConnectedNetworkList(NetworkList& networks) {
    return NameList(networks, NextConnectedNetworkName);
}

std::string AllNetworkList(NetworkList& networks) {
    return NameList(networks, NextNetworkName);
}

bool IsNetworkConnected(NetworkList& networks, const std::string& name) {
    return IsNameInConnectedList(networks, ConnectedNetworkList(networks), name);
}

bool IsNameInConnectedList(NetworkList& networks, const std::string& connectedList,
                           const std::string& name) {
    const std::string list = ComparableText(networks, connectedList);
    const std::string wanted = ComparableText(networks, name);
    // Equal texts are found in each other, so one substring test covers both rules.
    return list.find(wanted) != std::string::npos;
}
