#include "manager/run_record.h"

#include <chrono>

#include "common/network/address_range.h"
#include "common/services/program_names.h"
#include "common/settings/remote_sessions.h"
#include "common/services/spooler_error_text.h"
#include "common/settings/options.h"
#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"
#include "common/text/text_helpers.h"

namespace {

std::string Counted(std::uint64_t count, const char* unit) {
    return std::to_string(count) + " " + unit + (count == 1 ? "" : "s");
}

std::string DurationText(std::uint64_t milliseconds) {
    const std::uint64_t seconds = milliseconds / 1000;
    if (seconds == 0) {
        return "less than a second";
    }
    if (seconds < 60) {
        return Counted(seconds, "second");
    }
    if (seconds < 3600) {
        return Counted(seconds / 60, "minute") + " " + Counted(seconds % 60, "second");
    }
    return Counted(seconds / 3600, "hour") + " " + Counted(seconds / 60 % 60, "minute");
}

std::string StartLine(std::chrono::local_seconds at) {
    const std::string text = DateTimeText(std::chrono::sys_seconds(at.time_since_epoch()));
    return "Started on " + text.substr(0, 10) + " at " + text.substr(11) + ".";
}

std::string Quoted(const std::string& name) {
    return "\"" + name + "\"";
}

// The bytes that the lines take in a REG_MULTI_SZ value beside the list's closing NUL.
std::size_t StoredSize(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const std::string& line : lines) {
        size += line.size() + 1;
    }
    return size;
}

// The record's start (the run's circumstances) and its end (what became of the printer and the
// tray program) matter most; a long table gives way in the middle.
std::vector<std::string> FitRecordLines(const std::vector<std::string>& lines) {
    const std::size_t room = MaxLinesValueSize - 1;
    if (StoredSize(lines) <= room) {
        return lines;
    }
    // Room for the line that says how many lines were left out.
    const std::size_t noteRoom = 48;
    std::size_t head = 0;
    std::size_t used = 0;
    while (head < lines.size() && used + lines[head].size() + 1 <= (room - noteRoom) / 2) {
        used += lines[head++].size() + 1;
    }
    std::size_t tail = lines.size();
    while (tail > head && used + lines[tail - 1].size() + 1 <= room - noteRoom) {
        used += lines[--tail].size() + 1;
    }
    std::vector<std::string> fitted(lines.begin(), lines.begin() + head);
    fitted.push_back("... " + Counted(tail - head, "line") + " left out ...");
    fitted.insert(fitted.end(), lines.begin() + tail, lines.end());
    return fitted;
}

std::string IgnoredPlaceLine(const IgnoredPlace& ignored) {
    switch (ignored.why) {
        case IgnoredPlace::Why::NoName:
            return "Left out a value of your organization's places that has no name.";
        case IgnoredPlace::Why::NotText:
            return "Left out your organization's place " + Quoted(ignored.name) +
                   ": its printer is not stored as text.";
        case IgnoredPlace::Why::NoPrinter:
            break;
    }
    return "Left out your organization's place " + Quoted(ignored.name) + ": it names no printer.";
}

}  // namespace

RunRecord::RunRecord(Registry& registry, Clock& clock)
    : registry_(registry), clock_(clock), lines_{StartLine(clock.CurrentLocalTime())} {}

void RunRecord::WaitingForNetwork() {
    waitStart_ = clock_.TickCount();
    std::vector<std::string> lines = lines_;
    lines.push_back("Waiting for a network to connect.");
    SaveLines(lines);
}

void RunRecord::NetworkConnected(const std::string& connectedNetworks) {
    lines_.push_back("Waited " + DurationText(clock_.TickCount() - waitStart_) + " for a network.");
    lines_.push_back("Connected networks: " + connectedNetworks);
}

void RunRecord::Management(bool lumivoManages, int entryCount) {
    if (!lumivoManages) {
        lines_.push_back("Windows manages the default printer, so Lumivo changed nothing.");
        return;
    }
    lines_.push_back("Lumivo manages the default printer.");
    if (entryCount < 1) {
        lines_.push_back("The table has no entries.");
    }
}

void RunRecord::Places(const PlacesToApply& places) {
    for (const IgnoredPlace& ignored : places.ignored) {
        lines_.push_back(IgnoredPlaceLine(ignored));
    }
    organizationCount_ = static_cast<int>(places.organizationCount);
    if (!places.userRowsApplied) {
        lines_.push_back(
            "Your organization does not let your own entries apply: only its places were "
            "applied.");
    } else if (organizationCount_ > 0) {
        lines_.push_back("Your organization sets " + Counted(places.organizationCount, "place") +
                         "; your own entries apply after them, so yours win.");
    }
}

namespace {

std::string PlaceMatchText(const PlaceMatch& match) {
    if (match.kind == PlaceKind::NetworkName) {
        return match.matched ? "matched by name." : "not connected.";
    }
    return match.matched ? "matched by range, address " + AddressText(*match.address) + "."
                         : "no adapter that is up has an address in it.";
}

}  // namespace

void RunRecord::Entry(int n, const MappingEntry& entry, const PlaceMatch& match) {
    const char* place = match.kind == PlaceKind::AddressRange ? "range " : "network ";
    const std::string what = entry.networkName.empty()
                                 ? "no network name, so it matches no network."
                                 : place + Quoted(entry.networkName) + ", printer " +
                                       Quoted(entry.printerName) + ": " + PlaceMatchText(match);
    lines_.push_back((n <= organizationCount_ ? "Your organization's place " + std::to_string(n)
                                              : "Entry " + std::to_string(n - organizationCount_)) +
                     ": " + what);
    ++entries_;
    matches_ += match.matched ? 1 : 0;
}

void RunRecord::RemoteSession() {
    lines_.push_back(std::string("Lumivo changed nothing: this is a remote session, whose default "
                                 "printer the remote client chooses (the policy ") +
                     ApplyInRemoteSessionsValueName + " turns Lumivo on there).");
}

void RunRecord::PrinterSet(const std::string& printerName, SpoolerStatus status) {
    if (status != SpoolerSuccess) {
        lines_.push_back("Printer " + Quoted(printerName) +
                         " was not set: " + SpoolerErrorText(status) + ".");
        return;
    }
    lines_.push_back("Printer " + Quoted(printerName) + " is now the default printer.");
    ++printersSet_;
    lastPrinterSet_ = printerName;
}

void RunRecord::OtherDefaultReported(const std::string& printerName) {
    lines_.push_back("Windows reports " + Quoted(printerName) + " as the default printer instead.");
}

void RunRecord::Retrying() {
    lines_.push_back("Tried again the entries whose printers could not be set.");
}

void RunRecord::UsersChoiceKept(const std::string& present, const std::string& left) {
    lines_.push_back("The default printer is now " + Quoted(present) + ", not " + Quoted(left) +
                     " as Lumivo left it: that choice stays, and Lumivo tries no more until the "
                     "networks or the table change.");
}

void RunRecord::TableApplied() {
    if (entries_ == 0) {
        return;
    }
    if (matches_ == 0) {
        lines_.push_back(
            "No entry's network was connected, so the default printer was not changed.");
    } else if (printersSet_ == 0) {
        lines_.push_back("The default printer was not changed.");
    } else if (printersSet_ > 1) {
        lines_.push_back("The last match wins: " + Quoted(lastPrinterSet_) +
                         " is the default printer.");
    }
}

void RunRecord::TrayProgram(std::uint32_t processId) {
    if (processId != 0) {
        lines_.push_back("Started the tray program.");
    } else if (!IsOptionEnabled(registry_, SystemTrayValueName)) {
        lines_.push_back(
            std::string("Did not start the tray program: \"Display Icon in System Tray\" is off") +
            (OptionPolicy(registry_, SystemTrayValueName) ? ", as your organization set it."
                                                          : "."));
    } else {
        lines_.push_back(std::string("Could not start the tray program ") + TrayFileName + ".");
    }
}

void RunRecord::EndedOnRequest() {
    lines_.push_back(
        "Ended on request, as Lumivo is being installed or removed; did not start the "
        "tray program.");
}

void RunRecord::Save() {
    SaveLines(lines_);
}

void RunRecord::SaveLines(const std::vector<std::string>& lines) {
    WriteRegistryLines(registry_, SettingsKeyPath, LastRunValueName, FitRecordLines(lines));
}
