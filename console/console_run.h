#pragma once

#include <string>

#include "common/platform/message_boxes.h"
#include "common/platform/processes.h"
#include "common/platform/registry.h"
#include "common/platform/version_queries.h"

// The steps of a Console run that only Windows can carry out.
class ConsoleWindows {
public:
    virtual ~ConsoleWindows() = default;

    // Starts the automatic update check on a thread of its own; the run does not wait for it.
    virtual void StartUpdateCheck(const std::string& mainCaption) = 0;

    virtual void InitialiseCommonControls() = 0;

    // Shows the main window, with the last run's record over it at once when showLastRun, and
    // returns when it has closed: true when "OK" closed it.
    virtual bool RunMainWindow(const std::string& mainCaption, bool showLastRun) = 0;
};

// The Console from start to end: refuses Windows before 8 with a message, otherwise starts the
// automatic update check unless it is switched off, shows the main window and, once it has
// closed, brings the tray program back. When "OK" closed it on a changed table and the icon is
// on, it starts the Manager instead, which applies the table at once and then starts the tray
// program. The command line (without the program's name) holding ConsoleLastRunSwitch, as the
// tray program's notices start the Console, opens the last run's record over the main window.
void RunConsole(Registry& registry, VersionQueries& versions, MessageBoxes& messageBoxes,
                Processes& processes, ConsoleWindows& windows, const std::string& commandLine);
