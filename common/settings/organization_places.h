#pragma once

#include <string>
#include <vector>

#include "common/platform/registry.h"
#include "common/settings/mapping_table.h"

// The places that the organization sets by policy, and whether its users keep their own rows.

// A value of the organization's places that names no place Lumivo can apply.
struct IgnoredPlace {
    enum class Why {
        NoName,     // the key's default value, or a name of spaces only
        NotText,    // a number or binary data, or a text too long to be a printer's name
        NoPrinter,  // an empty text
    };
    std::string name;
    Why why = Why::NoName;

    friend bool operator==(const IgnoredPlace&, const IgnoredPlace&) = default;
};

struct OrganizationPlaces {
    // In the order the registry lists the values; each name and printer without spaces around it.
    std::vector<MappingEntry> places;
    std::vector<IgnoredPlace> ignored;
};

// The text values of the policy key's subkey "Places": the value's name is the place (a network
// name or an address range), its text the printer. None when the key is missing.
OrganizationPlaces ReadOrganizationPlaces(Registry& registry);

// False only when the policy "UserPlaces" is the number 0: the users' own rows are then neither
// applied nor changed. Missing, 1, a text or anything else leaves users their rows.
bool UsersKeepTheirRows(Registry& registry);
