#include "common/services/update_check.h"

#include "common/services/fetch_url_text.h"
#include "common/services/process_helpers.h"
#include "common/settings/registry_access.h"

std::atomic<bool> UpdateCheckInteractive{false};

namespace {

constexpr std::uint32_t kPauseAfterPrompt = 10000;

const std::string kServerDownMessage =
    "The Lumivo update website appears to be down right now. Please check again later.";
const std::string kUpToDateMessage = "Your version of Lumivo is up-to-date.";
const std::string kNotFoundMarker = "404:";

// The own version is digits and dots, and no byte outside ASCII upper-cases into those in any
// ANSI code page, so ASCII upper-casing decides equality as the system's upper-casing would.
std::string UpperCaseAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::string NewVersionPrompt(const std::string& ownVersion, const std::string& newVersion) {
    return "Your version of Lumivo is " + ownVersion + ". There is a new version (" + newVersion +
           ") of Lumivo. Do you want to get it now?";
}

// Everything but the clearing of the Console's flag.
void CheckForNewVersion(Internet& internet, MessageBoxes& messageBoxes, Processes& processes,
                        Clock& clock, const UpdateCheckProgram& program) {
    const auto userAsked = [&program] {
        return program.form == UpdateCheckForm::Console && UpdateCheckInteractive.load();
    };
    const std::string text = TrimSpaces(FetchUrlText(internet, UpdateVersionFileUrl));

    // An empty answer means the server could not be reached: that is no news of being up to date.
    if (Contains(text, ParkingMarker) || Contains(text, kNotFoundMarker) || text.empty()) {
        if (userAsked()) {
            messageBoxes.MessageBoxW(kServerDownMessage, program.title, kMbOk);
        }
        return;
    }
    // Equality, not order: any other text with a dot is offered, a lower number too.
    if (UpperCaseAscii(program.ownVersion) == UpperCaseAscii(text)) {
        if (userAsked()) {
            messageBoxes.MessageBoxW(kUpToDateMessage, program.title, kMbOk);
        }
        return;
    }
    if (!Contains(text, ".")) {
        return;
    }
    const int answer = messageBoxes.MessageBoxW(NewVersionPrompt(program.ownVersion, text),
                                                program.title, kMbYesNo);
    if (answer == kIdYes) {
        OpenWithShell(processes, DownloadPageUrl);
        clock.Sleep(kPauseAfterPrompt);
    }
    clock.Sleep(kPauseAfterPrompt);
}

}  // namespace

void RunUpdateCheck(Internet& internet, MessageBoxes& messageBoxes, Processes& processes,
                    Clock& clock, const UpdateCheckProgram& program) {
    CheckForNewVersion(internet, messageBoxes, processes, clock, program);
    if (program.form == UpdateCheckForm::Console) {
        UpdateCheckInteractive = false;
    }
}
