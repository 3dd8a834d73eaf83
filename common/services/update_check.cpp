#include "common/services/update_check.h"

#include <algorithm>

#include "common/services/fetch_url_text.h"
#include "common/services/process_helpers.h"
#include "common/text/text_helpers.h"
#include "common/text/texts.h"

std::atomic<bool> UpdateCheckInteractive{false};

namespace {

constexpr std::uint32_t PauseAfterPrompt = 10000;

// Constant data without a destructor, as the check may outlive the program's static objects.
constexpr char NotFoundMarker[] = "404:";
// A version file may end in a line break; what surrounds the version is not part of it.
constexpr char BlanksAroundVersion[] = " \t\r\n";

bool IsVersionCharacter(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '.' ||
           c == '-';
}

// Letters, digits, dots and hyphens, as in "1.20" or "2.0-beta3"; an error page is none.
bool IsVersionText(const std::string& text) {
    return text.size() <= MaxVersionTextLength &&
           std::all_of(text.begin(), text.end(), IsVersionCharacter);
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Everything but the clearing of the Console's flag.
void CheckForNewVersion(Internet& internet, MessageBoxes& messageBoxes, Processes& processes,
                        Clock& clock, const UpdateCheckProgram& program) {
    const auto userAsked = [&program] {
        return program.form == UpdateCheckForm::Console && UpdateCheckInteractive.load();
    };
    const auto reportServerDown = [&] {
        if (userAsked()) {
            messageBoxes.MessageBoxW(Text(IDS_UPDATE_SERVER_DOWN), program.title, MbOk);
        }
    };
    const std::string text =
        Trimmed(FetchUrlText(internet, UpdateVersionFileUrl), BlanksAroundVersion);

    // An empty answer means the server could not be reached: that is no news of being up to date.
    if (Contains(text, ParkingMarker) || Contains(text, NotFoundMarker) || text.empty()) {
        reportServerDown();
        return;
    }
    // Equality, not order: any other version with a dot is offered, a lower number too.
    if (UpperCaseAscii(program.ownVersion) == UpperCaseAscii(text)) {
        if (userAsked()) {
            messageBoxes.MessageBoxW(Text(IDS_UPDATE_UP_TO_DATE), program.title, MbOk);
        }
        return;
    }
    if (!Contains(text, ".")) {
        return;
    }
    if (!IsVersionText(text)) {
        reportServerDown();
        return;
    }
    const int answer = messageBoxes.MessageBoxW(
        Text(IDS_UPDATE_NEW_VERSION, {program.ownVersion, text}), program.title, MbYesNo);
    if (answer == IdYes) {
        OpenWithShell(processes, DownloadPageUrl);
        clock.Sleep(PauseAfterPrompt);
    }
    clock.Sleep(PauseAfterPrompt);
}

}  // namespace

void RunUpdateCheck(Internet& internet, MessageBoxes& messageBoxes, Processes& processes,
                    Clock& clock, const UpdateCheckProgram& program) {
    CheckForNewVersion(internet, messageBoxes, processes, clock, program);
    if (program.form == UpdateCheckForm::Console) {
        UpdateCheckInteractive = false;
    }
}
