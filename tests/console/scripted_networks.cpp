#include "console/scripted_networks.h"

#include <windows.h>

#include <fstream>

ScriptedNetworks::ScriptedNetworks(const std::vector<TestNetwork>& networks) {
    const std::filesystem::path file = folder_.Path() / "networks.txt";
    std::ofstream scenario(file, std::ios::binary);
    for (const TestNetwork& network : networks) {
        scenario << "network\nname = " << network.name
                 << "\nconnected = " << (network.connected ? "yes" : "no") << "\n";
    }
    scenario.close();
    SetEnvironmentVariableW(L"LUMIVO_TEST_NETWORKS", file.c_str());
}

ScriptedNetworks::~ScriptedNetworks() {
    SetEnvironmentVariableW(L"LUMIVO_TEST_NETWORKS", nullptr);
}
