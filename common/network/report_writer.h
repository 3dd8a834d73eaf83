#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/network/report_text.h"

// Writers of the network report's lines, in the order the walk writes them. Each query row takes
// the query's answer, or std::nullopt when the query failed, and then writes the row's failure
// line instead. Every line ends with CR LF.

struct NetworkTimes {
    FileTime created = 0;
    FileTime connected = 0;
};

void WriteReportLine(std::string& report, std::string_view line);

// Head lines.
void WriteGetNetworksOk(std::string& report);
void WriteGetNetworksFailed(std::string& report);
void WriteNoNetworkFound(std::string& report);
void WriteReportSeparator(std::string& report);

// The network block.
void WriteNetworkDescription(std::string& report, const std::optional<std::string>& description);
void WriteNetworkName(std::string& report, const std::optional<std::string>& name);
void WriteNetworkId(std::string& report, const std::optional<Guid>& id);
void WriteNetworkDomainType(std::string& report, std::optional<std::uint32_t> domainType);
void WriteNetworkTimes(std::string& report, const std::optional<NetworkTimes>& times);
void WriteNetworkConnectivity(std::string& report, std::optional<std::uint32_t> connectivity);
void WriteNetworkCategory(std::string& report, std::optional<std::uint32_t> category);
void WriteNetworkInternet(std::string& report, std::optional<bool> connectedToInternet);
void WriteNetworkConnected(std::string& report, std::optional<bool> connected);
void WriteNetworkConnectionsFailed(std::string& report);

// The adapter block of one connection; isFirst says whether it is the network's first one.
void WriteAdapterHeading(std::string& report, bool isFirst);
void WriteAdapterConnected(std::string& report, std::optional<bool> connected);
void WriteAdapterInternet(std::string& report, std::optional<bool> connectedToInternet);
void WriteAdapterConnectivity(std::string& report, std::optional<std::uint32_t> connectivity);
void WriteAdapterConnectionId(std::string& report, const std::optional<Guid>& id);
void WriteAdapterId(std::string& report, const std::optional<Guid>& id);
void WriteAdapterDomainType(std::string& report, std::optional<std::uint32_t> domainType);
