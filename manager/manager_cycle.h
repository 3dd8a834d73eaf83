#pragma once

#include <cstdint>
#include <functional>

#include "common/platform/adapters.h"
#include "common/platform/clock.h"
#include "common/platform/end_request.h"
#include "common/platform/network_list.h"
#include "common/platform/processes.h"
#include "common/platform/registry.h"
#include "common/platform/spooler.h"
#include "common/platform/system_metrics.h"
#include "common/platform/version_queries.h"
#include "common/services/update_check.h"
#include "manager/printer_run.h"

// What the Manager reaches the system through; built once by the program's entry.
struct ManagerPlatform {
    VersionQueries& versions;
    Processes& processes;
    Registry& registry;
    NetworkList& networks;
    Adapters& adapters;
    SystemMetrics& metrics;
    Spooler& spooler;
    Clock& clock;
    // An installer's request that the Manager end before it replaces the programs.
    EndRequest& endRequest;
    // Starts an update check on a thread of its own and returns at once; the program waits for
    // it once the cycle is over.
    std::function<void(const UpdateCheckProgram&)> startUpdateCheck;
};

// The pause between two looks for a connected network. It has a file of its own so that a test
// build of the Manager can link a shorter one.
extern const std::uint32_t NetworkPollPause;

// One run of the Manager: wait until a network is connected, make the printer of every mapping
// entry whose place is here the default (the last match wins; one look at the networks and the
// adapters serves every entry), keep the places it applied for the tray program
// ("AppliedNetworks"), let go of the single-instance name and start the tray program. Started to
// retry, it applies only the matches whose printers the last run could not set ("PrinterRetry"),
// unless the places changed since or the user picked another default printer. Asked to end, it
// stops waiting and starts no tray program. What it did is kept as the settings value "LastRun",
// written when it starts waiting for a network and at the end. In a remote session it changes no
// printer unless the organization's policy lets it. Returns at once, doing nothing, before
// Windows 8 or when another Manager still holds the single-instance name after the start's
// patience. An update check that it started may still be running when it returns.
void ManagerCycle(ManagerPlatform& platform, const ManagerStart& start = {});
