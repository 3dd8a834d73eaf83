#pragma once

#include <string>
#include <vector>

#include "support/ui/test_folder.h"

struct TestNetwork {
    std::string name;
    bool connected = false;
};

// The networks the Network List Manager knows in programs started from here on, in this order:
// a scenario file of the prefix's scripted Network List Manager, named in the environment that
// started programs inherit.
class ScriptedNetworks {
public:
    explicit ScriptedNetworks(const std::vector<TestNetwork>& networks);
    ~ScriptedNetworks();
    ScriptedNetworks(const ScriptedNetworks&) = delete;
    ScriptedNetworks& operator=(const ScriptedNetworks&) = delete;

    // From now on the Network List Manager knows these networks instead, also in programs that
    // already run: it reads the file at every walk.
    void Change(const std::vector<TestNetwork>& networks);

private:
    std::filesystem::path File() const;

    ui::TestFolder folder_{"console-networks"};
};
