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
#include "common/text/texts.h"

namespace {

std::string Seconds(std::uint64_t count) {
    return CountedText(count, IDS_RECORD_SECOND, IDS_RECORD_SECONDS);
}

std::string Minutes(std::uint64_t count) {
    return CountedText(count, IDS_RECORD_MINUTE, IDS_RECORD_MINUTES);
}

std::string DurationText(std::uint64_t milliseconds) {
    const std::uint64_t seconds = milliseconds / 1000;
    if (seconds == 0) {
        return Text(IDS_RECORD_LESS_THAN_A_SECOND);
    }
    if (seconds < 60) {
        return Seconds(seconds);
    }
    if (seconds < 3600) {
        return Minutes(seconds / 60) + " " + Seconds(seconds % 60);
    }
    return CountedText(seconds / 3600, IDS_RECORD_HOUR, IDS_RECORD_HOURS) + " " +
           Minutes(seconds / 60 % 60);
}

std::string StartLine(std::chrono::local_seconds at) {
    const std::string text = DateTimeText(std::chrono::sys_seconds(at.time_since_epoch()));
    return Text(IDS_RECORD_STARTED, {text.substr(0, 10), text.substr(11)});
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
    fitted.push_back(StoredText(Text(IDS_RECORD_LINES_LEFT_OUT, {std::to_string(tail - head)})));
    fitted.insert(fitted.end(), lines.begin() + tail, lines.end());
    return fitted;
}

std::string IgnoredPlaceLine(const IgnoredPlace& ignored) {
    switch (ignored.why) {
        case IgnoredPlace::Why::NoName:
            return Text(IDS_RECORD_PLACE_NO_NAME);
        case IgnoredPlace::Why::NotText:
            return Text(IDS_RECORD_PLACE_NOT_TEXT, {ShownText(ignored.name)});
        case IgnoredPlace::Why::NoPrinter:
            break;
    }
    return Text(IDS_RECORD_PLACE_NO_PRINTER, {ShownText(ignored.name)});
}

}  // namespace

RunRecord::RunRecord(Registry& registry, Clock& clock)
    : registry_(registry), clock_(clock), lines_{StartLine(clock.CurrentLocalTime())} {}

void RunRecord::WaitingForNetwork() {
    waitStart_ = clock_.TickCount();
    std::vector<std::string> lines = lines_;
    lines.push_back(Text(IDS_RECORD_WAITING));
    SaveLines(lines);
}

void RunRecord::NetworkConnected(const std::string& connectedNetworks) {
    lines_.push_back(Text(IDS_RECORD_WAITED, {DurationText(clock_.TickCount() - waitStart_)}));
    lines_.push_back(Text(IDS_RECORD_CONNECTED_NETWORKS, {ShownText(connectedNetworks)}));
}

void RunRecord::Management(bool lumivoManages, int entryCount) {
    if (!lumivoManages) {
        lines_.push_back(Text(IDS_RECORD_WINDOWS_MANAGES));
        return;
    }
    lines_.push_back(Text(IDS_RECORD_LUMIVO_MANAGES));
    if (entryCount < 1) {
        lines_.push_back(Text(IDS_RECORD_NO_ENTRIES));
    }
}

void RunRecord::Places(const PlacesToApply& places) {
    for (const IgnoredPlace& ignored : places.ignored) {
        lines_.push_back(IgnoredPlaceLine(ignored));
    }
    organizationCount_ = static_cast<int>(places.organizationCount);
    if (!places.userRowsApplied) {
        lines_.push_back(Text(IDS_RECORD_ORGANIZATION_ONLY));
    } else if (organizationCount_ > 0) {
        lines_.push_back(CountedText(places.organizationCount, IDS_RECORD_ORGANIZATION_PLACE,
                                     IDS_RECORD_ORGANIZATION_PLACES));
    }
}

namespace {

std::string PlaceMatchText(const PlaceMatch& match) {
    if (match.kind == PlaceKind::NetworkName) {
        return Text(match.matched ? IDS_RECORD_MATCHED_BY_NAME : IDS_RECORD_NOT_CONNECTED);
    }
    return match.matched ? Text(IDS_RECORD_MATCHED_BY_RANGE, {AddressText(*match.address)})
                         : Text(IDS_RECORD_NO_ADAPTER);
}

}  // namespace

void RunRecord::Entry(int n, const MappingEntry& entry, const PlaceMatch& match) {
    const unsigned row =
        match.kind == PlaceKind::AddressRange ? IDS_RECORD_RANGE_ROW : IDS_RECORD_NETWORK_ROW;
    const std::string what = entry.networkName.empty()
                                 ? Text(IDS_RECORD_NO_NETWORK_NAME)
                                 : Text(row, {ShownText(entry.networkName),
                                              ShownText(entry.printerName), PlaceMatchText(match)});
    lines_.push_back(n <= organizationCount_
                         ? Text(IDS_RECORD_ORGANIZATION_ENTRY, {std::to_string(n), what})
                         : Text(IDS_RECORD_ENTRY, {std::to_string(n - organizationCount_), what}));
    ++entries_;
    matches_ += match.matched ? 1 : 0;
}

void RunRecord::RemoteSession() {
    lines_.push_back(Text(IDS_RECORD_REMOTE_SESSION, {ApplyInRemoteSessionsValueName}));
}

void RunRecord::PrinterSet(const std::string& printerName, SpoolerStatus status) {
    if (status != SpoolerSuccess) {
        lines_.push_back(
            Text(IDS_RECORD_PRINTER_NOT_SET, {ShownText(printerName), SpoolerErrorText(status)}));
        return;
    }
    lines_.push_back(Text(IDS_RECORD_PRINTER_SET, {ShownText(printerName)}));
    ++printersSet_;
    lastPrinterSet_ = printerName;
}

void RunRecord::OtherDefaultReported(const std::string& printerName) {
    lines_.push_back(Text(IDS_RECORD_OTHER_DEFAULT, {ShownText(printerName)}));
}

void RunRecord::Retrying() {
    lines_.push_back(Text(IDS_RECORD_RETRYING));
}

void RunRecord::UsersChoiceKept(const std::string& present, const std::string& left) {
    lines_.push_back(Text(IDS_RECORD_USERS_CHOICE, {ShownText(present), ShownText(left)}));
}

void RunRecord::TableApplied() {
    if (entries_ == 0) {
        return;
    }
    if (matches_ == 0) {
        lines_.push_back(Text(IDS_RECORD_NO_MATCH));
    } else if (printersSet_ == 0) {
        lines_.push_back(Text(IDS_RECORD_NOT_CHANGED));
    } else if (printersSet_ > 1) {
        lines_.push_back(Text(IDS_RECORD_LAST_MATCH_WINS, {ShownText(lastPrinterSet_)}));
    }
}

void RunRecord::TrayProgram(std::uint32_t processId) {
    if (processId != 0) {
        lines_.push_back(Text(IDS_RECORD_TRAY_STARTED));
    } else if (!IsOptionEnabled(registry_, SystemTrayValueName)) {
        lines_.push_back(Text(OptionPolicy(registry_, SystemTrayValueName)
                                  ? IDS_RECORD_TRAY_OFF_BY_POLICY
                                  : IDS_RECORD_TRAY_OFF));
    } else {
        lines_.push_back(Text(IDS_RECORD_TRAY_NOT_STARTED, {TrayFileName}));
    }
}

void RunRecord::EndedOnRequest() {
    lines_.push_back(Text(IDS_RECORD_ENDED_ON_REQUEST));
}

void RunRecord::Save() {
    SaveLines(lines_);
}

// The lines are written in the user's language and stored in the ANSI code page; the names in
// them come from the registry and the spooler (ANSI) and are shown as they join a line.
void RunRecord::SaveLines(const std::vector<std::string>& lines) {
    WriteRegistryLines(registry_, SettingsKeyPath, LastRunValueName,
                       FitRecordLines(StoredTexts(lines)));
}
