#pragma once

#include <atomic>
#include <string>

#include "common/platform/clock.h"
#include "common/platform/internet.h"
#include "common/platform/message_boxes.h"
#include "common/platform/processes.h"

// Which program runs a check. Only the Console's check can be one the user asked for; the
// Manager's and the tray program's checks speak only when there is a new version.
enum class UpdateCheckForm { Console, Manager, Tray };

// The identity of the program that runs a check.
struct UpdateCheckProgram {
    std::string title;       // title of the check's message boxes
    std::string ownVersion;  // compared with the server's version text
    UpdateCheckForm form = UpdateCheckForm::Manager;
};

// Set by the Console just before it starts a check that the user asked for. A Console check reads
// it when it decides whether to report a server that is down or a version that is up to date, and
// clears it as its last step. Overlapping checks share it: the first to end clears it for all.
extern std::atomic<bool> UpdateCheckInteractive;

// The update server's version file and download page, and the text by which a parked domain's
// page gives itself away. Constant data without a destructor: an update check may still read
// them while its program ends.
extern const char UpdateVersionFileUrl[];
extern const char DownloadPageUrl[];
extern const char ParkingMarker[];

// The longest text that the server may give as a version.
inline constexpr std::size_t MaxVersionTextLength = 32;

// Asks the update server for the current version and, when it differs from the program's own,
// offers to open the download page. Blocks for up to 20 seconds after a prompt, so it runs on a
// thread of its own (StartUpdateCheck).
void RunUpdateCheck(Internet& internet, MessageBoxes& messageBoxes, Processes& processes,
                    Clock& clock, const UpdateCheckProgram& program);
