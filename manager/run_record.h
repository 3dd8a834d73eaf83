#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/network/place_match.h"
#include "common/platform/clock.h"
#include "common/platform/registry.h"
#include "common/platform/spooler.h"
#include "common/services/places_to_apply.h"
#include "common/settings/mapping_table.h"

// What the Manager did in its latest run, in plain words, one line per fact, so that a user can
// tell why the default printer changed or did not. It is kept as the settings value "LastRun"
// and replaced at each run; the Console shows it.
class RunRecord {
public:
    // Notes the start of the run.
    RunRecord(Registry& registry, Clock& clock);

    // Saves the record so far with a line saying that the Manager waits for a network, so that a
    // run that never sees one still tells so.
    void WaitingForNetwork();

    // The wait is over: how long it took and the connected networks' name list.
    void NetworkConnected(const std::string& connectedNetworks);

    // Who manages the default printer; when Windows does, the Manager changes nothing.
    void Management(bool lumivoManages, int entryCount);

    // Which of the entries that follow are the organization's, which of its values were left
    // out, and whether the user's own rows apply.
    void Places(const PlacesToApply& places);

    // Entry n of the places to apply, told as the organization's place or as the user's entry of
    // that number. An entry without a network name is told as one that matches no network; a
    // match says whether it came by name or by range, and for a range which address is in it.
    void Entry(int n, const MappingEntry& entry, const PlaceMatch& match);
    void PrinterSet(const std::string& printerName, SpoolerStatus status);
    // After a change that the spooler took, Windows still reports another default printer.
    void OtherDefaultReported(const std::string& printerName);

    // A retry of the printers that the last run could not set.
    void Retrying();
    // A retry found another default printer than the one Lumivo left: the user's choice.
    void UsersChoiceKept(const std::string& present, const std::string& left);
    // A remote session without the policy that allows it: the Manager changed no printer.
    void RemoteSession();

    // After the last entry: what the entries came to.
    void TableApplied();

    // The process id the tray program was started with, 0 when it was not started.
    void TrayProgram(std::uint32_t processId);

    // The Manager was asked to end (an installer replaces the programs), so it started no tray
    // program.
    void EndedOnRequest();

    // Saves the record as it stands, replacing the previous one.
    void Save();

    const std::vector<std::string>& Lines() const { return lines_; }

private:
    void SaveLines(const std::vector<std::string>& lines);

    Registry& registry_;
    Clock& clock_;
    std::vector<std::string> lines_;
    std::uint64_t waitStart_ = 0;
    int organizationCount_ = 0;
    int entries_ = 0;
    int matches_ = 0;
    int printersSet_ = 0;
    std::string lastPrinterSet_;
};
