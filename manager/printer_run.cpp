#include "manager/printer_run.h"

#include <algorithm>

#include "common/services/program_names.h"
#include "common/settings/applied_networks.h"
#include "common/text/text_helpers.h"

PrinterRun::PrinterRun(Registry& registry, Spooler& spooler, const ManagerStart& start,
                       const std::string& connected) {
    if (start.retry && ReadAppliedNetworks(registry) == connected) {
        pending_ = ReadPrinterRetry(registry);
    }
    if (pending_.entries.empty()) {
        WriteRunPrinters(registry, printersSet_);
        return;
    }
    printersSet_ = ReadRunPrinters(registry);
    // Asked only on a retry, as the question loads the spooler.
    presentDefault_ = spooler.PresentDefaultPrinter();
    kind_ = presentDefault_ == pending_.leftDefault ? Kind::Retry : Kind::UsersChoice;
}

bool PrinterRun::Applies(const MappingEntry& entry) const {
    if (kind_ == Kind::Whole) {
        return true;
    }
    // The entries to retry were kept as applied, their printer names cut to what the spooler
    // takes.
    const MappingEntry applied{entry.networkName,
                               entry.printerName.substr(0, MaxPrinterNameLength)};
    return std::find(pending_.entries.begin(), pending_.entries.end(), applied) !=
           pending_.entries.end();
}

void PrinterRun::BeforeChange(Registry& registry, const std::string& printerName) {
    if (std::find(printersSet_.begin(), printersSet_.end(), printerName) == printersSet_.end()) {
        printersSet_.push_back(printerName);
        WriteRunPrinters(registry, printersSet_);
    }
}

void PrinterRun::AfterChange(const LastMatch& match) {
    if (match.status == SpoolerSuccess) {
        failedSinceSet_.clear();
        reportedAfterSet_ = match.reported;
    } else {
        failedSinceSet_.push_back(match.entry);
    }
}

PrinterRetry PrinterRun::NextRetry(const std::optional<LastMatch>& last) const {
    if (!last || last->status == SpoolerSuccess) {
        return {};
    }
    return {reportedAfterSet_.value_or(last->defaultBefore), failedSinceSet_};
}

std::optional<PrinterNotice> PrinterRun::Notice(const std::optional<LastMatch>& last) const {
    if (kind_ == Kind::Retry && last && last->status != SpoolerSuccess) {
        return std::nullopt;
    }
    return NoticeOfRun(last);
}
