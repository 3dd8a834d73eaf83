#include "tests/support/fakes/scenario_text.h"

#include <gtest/gtest.h>

NetworkScenario ScenarioFromText(std::string_view text) {
    std::string error;
    std::optional<NetworkScenario> scenario = ParseNetworkScenario(text, error);
    if (!scenario) {
        ADD_FAILURE() << "malformed scenario: " << error;
        return NetworkScenario();
    }
    return *scenario;
}
