#include "console/win32/main_commands_win32.h"

#include "common/settings/options.h"
#include "console/console_ids.h"
#include "console/main_commands.h"

namespace {

constexpr std::uint32_t kOptionMessageStyle = MB_OK | MB_TASKMODAL | MB_SETFOREGROUND;

std::string WindowCaption(HWND window) {
    char caption[256] = {};
    GetWindowTextA(window, caption, sizeof caption);
    return caption;
}

}  // namespace

void AttachMenuBar(HWND, ConsolePlatform&) {}

void HandleMainCommand(HWND window, int id, int notification, ConsolePlatform& platform) {
    switch (id) {
        case IDC_WINDOWS_MANAGES:
        case IDC_LUMIVO_MANAGES:
            // Every click tells when the choice takes effect, also on the option already chosen.
            platform.messageBoxes.MessageBoxW(ManagementOptionMessage(id == IDC_LUMIVO_MANAGES),
                                              WindowCaption(window), kOptionMessageStyle);
            break;
        case IDC_OK:
            if (notification <= 1) {
                SetLegacyDefaultPrinterMode(
                    platform.registry, IsDlgButtonChecked(window, IDC_WINDOWS_MANAGES) ? 0 : 1);
                EndDialog(window, 0);
            }
            break;
        case IDC_CANCEL:
            if (notification <= 1) {
                EndDialog(window, 0);
            }
            break;
        default:
            break;
    }
}
