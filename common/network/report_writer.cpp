#include "common/network/report_writer.h"

namespace {

constexpr std::string_view Tab = "\t";

// Writes prefix + text(value) when the query answered, else the failure line.
template <typename T, typename Format>
void WriteRow(std::string& report, const std::optional<T>& value, std::string_view prefix,
              Format text, std::string_view failure) {
    if (value) {
        WriteReportLine(report, std::string(prefix) + text(*value));
    } else {
        WriteReportLine(report, failure);
    }
}

std::string Quoted(const std::string& text) {
    return text + ">";
}

std::string TabbedGuid(const Guid& guid) {
    std::string text(Tab);
    text += GuidText(guid);
    return text;
}

}  // namespace

void WriteReportLine(std::string& report, std::string_view line) {
    report += line;
    report += "\r\n";
}

void WriteGetNetworksOk(std::string& report) {
    WriteReportLine(report, "GetNetworks ok");
}

void WriteGetNetworksFailed(std::string& report) {
    WriteReportLine(report, "GetNetworks failed");
}

void WriteNoNetworkFound(std::string& report) {
    WriteReportLine(report, "No network found!");
}

void WriteReportSeparator(std::string& report) {
    WriteReportLine(report, ReportSeparator);
}

void WriteNetworkDescription(std::string& report, const std::optional<std::string>& description) {
    WriteRow(report, description, "Network description: <", Quoted,
             "INetwork METHOD Description AS STRING failed");
}

void WriteNetworkName(std::string& report, const std::optional<std::string>& name) {
    WriteRow(report, name, "Network name: <", Quoted, "INetwork METHOD GetName AS STRING failed");
}

void WriteNetworkId(std::string& report, const std::optional<Guid>& id) {
    WriteRow(report, id, "Network GUID: ", GuidText, "INetwork METHOD NetworkId AS GUID failed");
}

void WriteNetworkDomainType(std::string& report, std::optional<std::uint32_t> domainType) {
    WriteRow(report, domainType, "Domain type: ", DomainTypeText,
             "DomainType METHOD NetworkId AS DWORD failed");
}

void WriteNetworkTimes(std::string& report, const std::optional<NetworkTimes>& times) {
    if (!times) {
        WriteReportLine(report, "INetwork METHOD GetTimeCreatedAndConnected AS FILETIME failed");
        return;
    }
    WriteReportLine(report, "Time created:   \t" + FileTimeText(times->created));
    WriteReportLine(report, "Time connected: \t" + FileTimeText(times->connected));
}

void WriteNetworkConnectivity(std::string& report, std::optional<std::uint32_t> connectivity) {
    if (!connectivity) {
        WriteReportLine(report, "INetwork METHOD GetConnectivity AS DWORD failed");
        return;
    }
    WriteReportLine(report, "Connectivity: ");
    WriteReportLine(report, ConnectivityText(*connectivity, ""));
}

void WriteNetworkCategory(std::string& report, std::optional<std::uint32_t> category) {
    WriteRow(report, category, "Category: ", CategoryText,
             "INetwork METHOD GetCategory AS DWORD failed");
}

void WriteNetworkInternet(std::string& report, std::optional<bool> connectedToInternet) {
    WriteRow(report, connectedToInternet, "Internet is connected: ", YesNoText,
             "INetwork METHOD IsConnectedToInternet AS INTEGER failed");
}

void WriteNetworkConnected(std::string& report, std::optional<bool> connected) {
    WriteRow(report, connected, "Network is connected: ", YesNoText,
             "INetwork METHOD IsConnected AS INTEGER failed");
}

void WriteNetworkConnectionsFailed(std::string& report) {
    WriteReportLine(report,
                    "\tIEnumNetworkConnections METHOD GetNetworkConnections AS "
                    "IEnumNetworkConnections failed");
}

void WriteAdapterHeading(std::string& report, bool isFirst) {
    if (!isFirst) {
        WriteReportLine(report, "");
    }
    WriteReportLine(report, "\tAdapter info...");
}

void WriteAdapterConnected(std::string& report, std::optional<bool> connected) {
    WriteRow(report, connected, "\tNetwork adapter connected: ", YesNoText,
             "\tINetwork METHOD IsConnected AS INTEGER failed");
}

void WriteAdapterInternet(std::string& report, std::optional<bool> connectedToInternet) {
    WriteRow(report, connectedToInternet, "\tNetwork adapter connected to internet: ", YesNoText,
             "\tINetwork METHOD IsConnectedToInternet AS INTEGER failed");
}

void WriteAdapterConnectivity(std::string& report, std::optional<std::uint32_t> connectivity) {
    if (!connectivity) {
        WriteReportLine(report, "\tINetwork METHOD GetConnectivity AS DWORD failed");
        return;
    }
    WriteReportLine(report, "\tConnectivity: ");
    WriteReportLine(report, ConnectivityText(*connectivity, Tab));
}

void WriteAdapterConnectionId(std::string& report, const std::optional<Guid>& id) {
    WriteRow(report, id, "\tConnection GUID: ", TabbedGuid,
             "\tINetwork METHOD GetConnection AS GUID failed");
}

void WriteAdapterId(std::string& report, const std::optional<Guid>& id) {
    WriteRow(report, id, "\tAdapter GUID:    ", TabbedGuid,
             "\tINetwork METHOD GetAdeptorId AS GUID failed");
}

void WriteAdapterDomainType(std::string& report, std::optional<std::uint32_t> domainType) {
    WriteRow(report, domainType, "\tDomainType: ", DomainTypeText,
             "\tDomainType METHOD NetworkId AS DWORD failed");
}
