// ConnectedNetworkList over reports of 10 to 10,000 networks from the scripted fake. The cost
// per network (items_per_second) should not fall as the report grows: the readers move forward
// through the report once.
#include <benchmark/benchmark.h>

#include <string>

#include "common/network/name_lists.h"
#include "tests/support/fakes/scripted_network_list.h"

namespace {

// Every other network connected, each with one connection.
NetworkScenario ManyNetworks(int count) {
    NetworkScenario scenario;
    for (int i = 0; i < count; ++i) {
        ScriptedNetwork network;
        const std::string name = "Network " + std::to_string(i);
        network.name.assign(name.begin(), name.end());
        network.description = u"Wireless network";
        network.connected = i % 2 == 0;
        network.connectivity = 0x41;
        scenario.networks.push_back(network);
    }
    return scenario;
}

void BM_ConnectedNetworkList(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    ScriptedNetworkList networks(ManyNetworks(count));
    networks.RecordCalls(false);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ConnectedNetworkList(networks));
    }
    state.SetItemsProcessed(state.iterations() * count);
}

BENCHMARK(BM_ConnectedNetworkList)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000);

}  // namespace

BENCHMARK_MAIN();
