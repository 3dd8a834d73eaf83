#include "console/console_run.h"

#include <vector>

#include "common/services/process_helpers.h"
#include "common/services/program_names.h"
#include "common/services/update_check.h"
#include "common/settings/options.h"
#include "common/settings/settings_keys.h"
#include "common/settings/windows_version.h"
#include "common/text/text_helpers.h"
#include "console/console_texts.h"
#include "console/mapping_editor.h"
#include "common/text/texts.h"

namespace {

constexpr std::uint32_t MbIconExclamation = 0x30;

}  // namespace

void RunConsole(Registry& registry, VersionQueries& versions, MessageBoxes& messageBoxes,
                Processes& processes, ConsoleWindows& windows, const std::string& commandLine) {
    const std::string caption = MainCaption(WindowsName(versions));
    if (!IsWindows8OrLater(versions)) {
        messageBoxes.MessageBoxW(Text(IDS_WINDOWS_TOO_OLD), caption, MbOk | MbIconExclamation);
        return;
    }
    UpdateCheckInteractive = false;
    if (IsOptionEnabled(registry, CheckForUpdatesValueName)) {
        windows.StartUpdateCheck(caption);
    }
    windows.InitialiseCommonControls();
    const std::vector<MappingRow> table = MappingRows(registry, processes);
    const bool confirmed =
        windows.RunMainWindow(caption, HasSwitch(commandLine, ConsoleLastRunSwitch));
    if (confirmed && MappingRows(registry, processes) != table &&
        IsOptionEnabled(registry, SystemTrayValueName)) {
        StartProgram(processes, ManagerFileName, ManagerTableChangedSwitch);
    } else {
        StartTrayProgram(registry, processes);
    }
}
