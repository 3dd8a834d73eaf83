#pragma once

#include "common/platform/adapters.h"
#include "common/platform/clock.h"
#include "common/platform/message_boxes.h"
#include "common/platform/network_list.h"
#include "common/platform/processes.h"
#include "common/platform/registry.h"
#include "common/platform/spooler.h"
#include "common/platform/version_queries.h"

// What the Console's windows reach the system through; built once by the entry.
struct ConsolePlatform {
    Registry& registry;
    NetworkList& networks;
    Spooler& spooler;
    Clock& clock;
    VersionQueries& versions;
    MessageBoxes& messageBoxes;
    Processes& processes;
    Adapters& adapters;
};
