#include "tray/tray_start.h"

#include "common/services/program_names.h"
#include "common/settings/applied_networks.h"
#include "common/text/text_helpers.h"

namespace {

// Long enough for a tray program to end its menu and About boxes and remove its icon.
constexpr std::uint32_t HandOverPatience = 5000;

}  // namespace

std::uint32_t TrayStart::SingleInstancePatience() const {
    return handOver ? HandOverPatience : 0;
}

NetworkWatch TrayStart::Watch(Registry& registry) const {
    return handOver ? NetworkWatch(ReadAppliedNetworks(registry)) : NetworkWatch();
}

TrayStart TrayStartFromCommandLine(const std::string& commandLine) {
    return {HasSwitch(commandLine, TrayHandOverSwitch)};
}
