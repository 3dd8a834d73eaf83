#pragma once

#include <optional>
#include <string>

#include "common/platform/registry.h"
#include "common/settings/mapping_table.h"

// The tray program hands over to the Manager only when the connected networks differ from those
// the Manager applied last, which the Manager keeps as "AppliedNetworks". A run that could not
// set the mapped printer (one not installed yet, or refused by the spooler) keeps the empty list
// instead, so that the tray program hands over again at its next minute tick until a run sets
// the printer or the networks change.
void WriteAppliedNetworks(Registry& registry, const std::string& connectedNetworks,
                          bool printerSet);

// The list as the Manager wrote it, spaces and all; empty when it is missing.
std::string ReadAppliedNetworks(Registry& registry);

// The network and printer of the entry that the Manager's latest run applied last, for the tray
// program's offer to learn a printer; nothing when no entry applied.
void WriteAppliedEntry(Registry& registry, const std::optional<MappingEntry>& entry);

// The entry as the Manager wrote it; two empty names when there is none.
MappingEntry ReadAppliedEntry(Registry& registry);
