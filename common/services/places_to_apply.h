#pragma once

#include <cstddef>
#include <vector>

#include "common/platform/processes.h"
#include "common/platform/registry.h"
#include "common/settings/mapping_table.h"
#include "common/settings/organization_places.h"

// The places a run applies in the order it applies them, so that the last match wins: first the
// organization's places, then the user's own rows unless the organization keeps them from
// applying. A user's row that matches thus wins over the organization's places. Among those, the
// most specific that matches wins: a network name before any address range, a longer prefix
// before a shorter one, otherwise the value listed first; so they are ordered with the most
// specific last.
struct PlacesToApply {
    std::vector<MappingEntry> entries;
    std::size_t organizationCount = 0;  // the first entries are the organization's
    bool userRowsApplied = true;
    std::vector<IgnoredPlace> ignored;  // the organization's values that name no place

    bool IsOrganizations(std::size_t index) const { return index < organizationCount; }
};

// The user's rows are read as one whole under the table's lock.
PlacesToApply ReadPlacesToApply(Registry& registry, Processes& processes);
