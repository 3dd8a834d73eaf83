#include "common/settings/organization_places.h"

#include "common/settings/policy_keys.h"
#include "common/settings/registry_access.h"
#include "common/text/text_helpers.h"

namespace {

const std::string PlacesKeyPath = std::string(PoliciesKeyPath) + "\\" + PolicyPlacesSubKey;

}  // namespace

OrganizationPlaces ReadOrganizationPlaces(Registry& registry) {
    OrganizationPlaces read;
    for (const RegistryValueListing& value : ReadRegistryValues(registry, PlacesKeyPath)) {
        const std::string place = TrimSpaces(value.name);
        if (place.empty()) {
            read.ignored.push_back({value.name, IgnoredPlace::Why::NoName});
        } else if (!value.text) {
            read.ignored.push_back({place, IgnoredPlace::Why::NotText});
        } else if (value.text->empty()) {
            read.ignored.push_back({place, IgnoredPlace::Why::NoPrinter});
        } else {
            read.places.push_back({place, *value.text});
        }
    }
    return read;
}

bool UsersKeepTheirRows(Registry& registry) {
    // A text "0" is no REG_DWORD 0: only a number turns the users' rows off.
    return ReadRegistryStoredText(registry, PoliciesKeyPath, UserPlacesValueName) ||
           ReadRegistryNumber(registry, PoliciesKeyPath, UserPlacesValueName).value_or(1) != 0;
}
