#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/platform/registry.h"
#include "common/platform/spooler.h"
#include "common/services/printer_notices.h"
#include "common/settings/applied_networks.h"
#include "common/settings/mapping_table.h"
#include "manager/manager_start.h"
#include "manager/run_outcome.h"

// The printers that one run sets, and what a retry of them needs.
class PrinterRun {
public:
    enum class Kind {
        Whole,       // every entry whose network is connected
        Retry,       // only the matches whose printers the last run could not set
        UsersChoice  // a retry that finds another default than the one Lumivo left
    };

    // A retry is asked for while the networks are those the last run applied and it left entries
    // to retry; otherwise the start is a whole run. A whole run starts a new list of the
    // printers it sets, a retry goes on with the last run's.
    PrinterRun(Registry& registry, Spooler& spooler, const ManagerStart& start,
               const std::string& connected);

    Kind kind() const { return kind_; }
    const PrinterRetry& Pending() const { return pending_; }
    std::string PresentDefault() const { return presentDefault_; }

    // Whether the run applies the entry: a retry skips the printers that were set.
    bool Applies(const MappingEntry& entry) const;

    // Keeps the printer as one the Manager sets, before the spooler is asked to make it the
    // default.
    void BeforeChange(Registry& registry, const std::string& printerName);
    void AfterChange(const LastMatch& match);

    // What the next retry needs: the matches whose printers could not be set after the last one
    // that was set, while the last match is among them.
    PrinterRetry NextRetry(const std::optional<LastMatch>& last) const;

    // The notice of the run. A failure is told by the run that meets it first: a retry tells only
    // what changed.
    std::optional<PrinterNotice> Notice(const std::optional<LastMatch>& last) const;

private:
    Kind kind_ = Kind::Whole;
    PrinterRetry pending_;
    std::string presentDefault_;
    std::vector<std::string> printersSet_;
    std::vector<MappingEntry> failedSinceSet_;
    std::optional<std::string> reportedAfterSet_;
};
