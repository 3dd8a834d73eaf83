#include "common/settings/window_placement.h"

#include "common/settings/decimal_text.h"
#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"

namespace {

std::int32_t ReadPlacementValue(Registry& registry, const char* valueName) {
    return LeadingDecimalNumber(ReadRegistryText(registry, SettingsKeyPath, valueName));
}

void SavePlacementValue(Registry& registry, const char* valueName, std::int32_t value) {
    WriteRegistryText(registry, SettingsKeyPath, valueName, DecimalText(value));
}

}  // namespace

WindowPlacement ReadWindowPlacement(Registry& registry) {
    WindowPlacement placement;
    placement.left = ReadPlacementValue(registry, WindowLeftValueName);
    placement.top = ReadPlacementValue(registry, WindowTopValueName);
    placement.width = ReadPlacementValue(registry, WindowWidthValueName);
    placement.height = ReadPlacementValue(registry, WindowHeightValueName);
    return placement;
}

void SaveWindowPlacement(Registry& registry, const WindowPlacement& placement) {
    SavePlacementValue(registry, WindowLeftValueName, placement.left);
    SavePlacementValue(registry, WindowTopValueName, placement.top);
    SavePlacementValue(registry, WindowWidthValueName, placement.width);
    SavePlacementValue(registry, WindowHeightValueName, placement.height);
}
