#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "common/platform/registry.h"

// The Manager and the tray program check for updates by themselves at most once a day. The
// settings key keeps when the last such check started, as "LastUpdateCheck" in UTC
// ("YYYY-MM-DD HH:MM:SS"). The Console's checks neither read nor write it.

inline constexpr std::chrono::hours AutomaticUpdateCheckInterval{24};

// The UTC moment that a text "YYYY-MM-DD HH:MM:SS" (as DateTimeText writes it) names; nothing for
// any other text.
std::optional<std::chrono::sys_seconds> ParseUtcTimeText(const std::string& text);

// True when the last automatic check is at least AutomaticUpdateCheckInterval old, or its record
// is missing, unreadable or in the future; the record then becomes `now`, as the caller starts
// its check at once.
bool ClaimAutomaticUpdateCheck(Registry& registry, std::chrono::sys_seconds now);
