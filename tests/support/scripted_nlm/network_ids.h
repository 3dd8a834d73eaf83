#pragma once

#include <windows.h>

#include <cstddef>

#include "tests/support/fakes/network_scenario.h"

inline GUID ToGuid(const Guid& guid) {
    GUID result;
    result.Data1 = guid.data1;
    result.Data2 = guid.data2;
    result.Data3 = guid.data3;
    for (int i = 0; i < 8; ++i) {
        result.Data4[i] = guid.data4[i];
    }
    return result;
}

// The identifier of the scenario's network at that position: its own, or the default one.
inline Guid NetworkIdAt(const NetworkScenario& scenario, std::size_t position) {
    return scenario.networks[position].id.value_or(DefaultNetworkId(position));
}
