#pragma once

#include <string_view>

#include "tests/support/fakes/network_scenario.h"

// The scenario a scenario file's text describes; a malformed text fails the calling test.
NetworkScenario ScenarioFromText(std::string_view text);
