#include "console/scripted_networks.h"

#include <windows.h>

#include <fstream>

ScriptedNetworks::ScriptedNetworks(const std::vector<TestNetwork>& networks) {
    Change(networks);
    SetEnvironmentVariableW(L"LUMIVO_TEST_NETWORKS", File().c_str());
}

ScriptedNetworks::~ScriptedNetworks() {
    SetEnvironmentVariableW(L"LUMIVO_TEST_NETWORKS", nullptr);
}

void ScriptedNetworks::Change(const std::vector<TestNetwork>& networks,
                              const std::string& serverOptions) {
    // Written aside and then put in place whole, so that a walk never reads half a file. The
    // replacement waits while a walk has the file open.
    const std::filesystem::path draft = folder_.Path() / "networks.new";
    {
        std::ofstream scenario(draft, std::ios::binary);
        scenario << serverOptions;
        for (const TestNetwork& network : networks) {
            scenario << "network\nname = " << network.name
                     << "\nconnected = " << (network.connected ? "yes" : "no") << "\n";
        }
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (MoveFileExW(draft.c_str(), File().c_str(), MOVEFILE_REPLACE_EXISTING)) {
            return;
        }
        Sleep(50);
    }
}

std::filesystem::path ScriptedNetworks::File() const {
    return folder_.Path() / "networks.txt";
}
