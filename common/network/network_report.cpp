#include "common/network/network_report.h"

#include <optional>

#include "common/network/report_writer.h"
#include "common/network/wide_to_ansi.h"

namespace {

// One CoInitialize of the walk, undone when the walk ends. A thread whose COM initialisation
// failed (another apartment model already set) must not be uninitialised on its behalf.
class ComInitialization {
public:
    explicit ComInitialization(NetworkList& networks)
        : networks_(networks), initialized_(networks.CoInitialize() >= 0) {}
    ~ComInitialization() {
        if (initialized_) {
            networks_.CoUninitialize();
        }
    }
    ComInitialization(const ComInitialization&) = delete;
    ComInitialization& operator=(const ComInitialization&) = delete;

private:
    NetworkList& networks_;
    bool initialized_;
};

// The value a query read, or nothing when it did not answer ComOk.
template <typename T, typename Query>
std::optional<T> Answer(Query query) {
    T value{};
    if (query(value) != ComOk) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::string> TextAnswer(NetworkList& networks, ComResult result,
                                      const WideText& text) {
    if (result != ComOk) {
        return std::nullopt;
    }
    return WideToAnsi(networks, text.c_str());
}

std::optional<NetworkTimes> TimesAnswer(Network& network) {
    NetworkTimes times;
    if (network.GetTimeCreatedAndConnected(times.created, times.connected) != ComOk) {
        return std::nullopt;
    }
    return times;
}

void WriteAdapterBlock(NetworkConnection& connection, bool isFirst, std::string& report) {
    WriteAdapterHeading(report, isFirst);
    WriteAdapterConnected(report,
                          Answer<bool>([&](bool& value) { return connection.IsConnected(value); }));
    WriteAdapterInternet(
        report, Answer<bool>([&](bool& value) { return connection.IsConnectedToInternet(value); }));
    WriteAdapterConnectivity(report, Answer<std::uint32_t>([&](std::uint32_t& value) {
                                 return connection.GetConnectivity(value);
                             }));
    WriteAdapterConnectionId(
        report, Answer<Guid>([&](Guid& value) { return connection.GetConnectionId(value); }));
    WriteAdapterId(report,
                   Answer<Guid>([&](Guid& value) { return connection.GetAdapterId(value); }));
    WriteAdapterDomainType(report, Answer<std::uint32_t>([&](std::uint32_t& value) {
                               return connection.GetDomainType(value);
                           }));
}

void WriteConnections(Network& network, std::string& report) {
    std::unique_ptr<NetworkConnectionEnumerator> connections;
    if (network.GetNetworkConnections(connections) != ComOk || !connections) {
        WriteNetworkConnectionsFailed(report);
        return;
    }
    bool isFirst = true;
    for (;;) {
        std::unique_ptr<NetworkConnection> connection;
        if (connections->Next(connection) != ComOk || !connection) {
            return;
        }
        WriteAdapterBlock(*connection, isFirst, report);
        isFirst = false;
    }
}

void WriteNetworkBlock(NetworkList& networks, Network& network, std::string& report) {
    WideText description;
    const ComResult descriptionResult = network.GetDescription(description);
    WriteNetworkDescription(report, TextAnswer(networks, descriptionResult, description));

    WideText name;
    const ComResult nameResult = network.GetName(name);
    WriteNetworkName(report, TextAnswer(networks, nameResult, name));

    WriteNetworkId(report, Answer<Guid>([&](Guid& value) { return network.GetNetworkId(value); }));
    WriteNetworkDomainType(report, Answer<std::uint32_t>([&](std::uint32_t& value) {
                               return network.GetDomainType(value);
                           }));
    WriteNetworkTimes(report, TimesAnswer(network));
    WriteNetworkConnectivity(report, Answer<std::uint32_t>([&](std::uint32_t& value) {
                                 return network.GetConnectivity(value);
                             }));
    WriteNetworkCategory(report, Answer<std::uint32_t>([&](std::uint32_t& value) {
                             return network.GetCategory(value);
                         }));
    WriteNetworkInternet(
        report, Answer<bool>([&](bool& value) { return network.IsConnectedToInternet(value); }));
    const std::optional<bool> connected =
        Answer<bool>([&](bool& value) { return network.IsConnected(value); });
    WriteNetworkConnected(report, connected);

    if (connected.value_or(false)) {
        WriteConnections(network, report);
    }
}

void WriteNetworks(NetworkList& networks, NetworkEnumerator& enumerator, std::string& report) {
    for (;;) {
        // The separator comes before Next, so a report that lists networks ends with one.
        WriteReportSeparator(report);
        std::unique_ptr<Network> network;
        if (enumerator.Next(network) != ComOk || !network) {
            return;
        }
        WriteNetworkBlock(networks, *network, report);
    }
}

}  // namespace

std::string BuildNetworkReport(NetworkList& networks) {
    std::string report;
    const ComInitialization com(networks);

    std::unique_ptr<NetworkListManager> manager;
    if (networks.CoCreateInstance(manager) != ComOk || !manager) {
        return report;
    }
    std::unique_ptr<NetworkEnumerator> enumerator;
    if (manager->GetNetworks(NetworkEnumAll, enumerator) != ComOk) {
        WriteNoNetworkFound(report);
        return report;
    }
    if (!enumerator) {
        WriteGetNetworksFailed(report);
        return report;
    }
    WriteGetNetworksOk(report);
    if (enumerator->GetNewEnum() != ComOk) {
        return report;
    }
    WriteNetworks(networks, *enumerator, report);
    return report;
}
