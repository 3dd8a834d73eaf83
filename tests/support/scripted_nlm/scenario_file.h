#pragma once

#include <memory>

#include "tests/support/fakes/network_scenario.h"

// The scenario named by the environment variable LUMIVO_TEST_NETWORKS, read afresh on every
// call. The path may be a Windows path or an absolute Unix path (taken as on drive Z:). A missing
// or unreadable file means no networks; a malformed one too, after a message on the debug output
// and standard error.
std::shared_ptr<const NetworkScenario> LoadScenarioFile();

// The last-write time of that file as a FILETIME value; 0 when there is no file.
unsigned long long ScenarioWriteTime();
