#pragma once

#include <optional>
#include <string>

#include "common/platform/spooler.h"
#include "common/services/printer_notices.h"
#include "common/settings/mapping_table.h"

// The entry that a run applied last, whose printer is meant to stay the default, and what became
// of it.
struct LastMatch {
    MappingEntry entry;  // as applied, the printer name cut to what the spooler takes
    SpoolerStatus status = SpoolerSuccess;
    std::string reported;       // the default printer Windows reports after a successful change
    std::string defaultBefore;  // the default printer before the run changed any
};

// The notice of a run for the user: the printer it made the default, the printer it could not
// set or the other printer Windows kept; nothing when no entry applied or the mapped printer was
// the default already.
std::optional<PrinterNotice> NoticeOfRun(const std::optional<LastMatch>& last);
