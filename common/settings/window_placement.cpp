#include "common/settings/window_placement.h"

#include "common/settings/decimal_text.h"
#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"

namespace {

int ReadPlacementValue(Registry& registry, const char* valueName) {
    return LeadingDecimalNumber(ReadRegistryText(registry, SettingsKeyPath, valueName));
}

void SavePlacementValue(Registry& registry, const char* valueName, int value) {
    WriteRegistryText(registry, SettingsKeyPath, valueName, DecimalText(value));
}

}  // namespace

DialogRect ReadWindowPlacement(Registry& registry) {
    DialogRect placement;
    placement.x = ReadPlacementValue(registry, WindowLeftValueName);
    placement.y = ReadPlacementValue(registry, WindowTopValueName);
    placement.width = ReadPlacementValue(registry, WindowWidthValueName);
    placement.height = ReadPlacementValue(registry, WindowHeightValueName);
    return placement;
}

void SaveWindowPlacement(Registry& registry, const DialogRect& placement) {
    SavePlacementValue(registry, WindowLeftValueName, placement.x);
    SavePlacementValue(registry, WindowTopValueName, placement.y);
    SavePlacementValue(registry, WindowWidthValueName, placement.width);
    SavePlacementValue(registry, WindowHeightValueName, placement.height);
}
