#pragma once

#include <cstdint>
#include <string>

// How the Manager was started, as its command line (without the program's name) says.
struct ManagerStart {
    // ManagerRetrySwitch: the tray program's minute tick asks for the printers that the last run
    // could not set to be tried again.
    bool retry = false;
    // How long it waits for another Manager that still holds the single-instance name. The
    // Console starts one with ManagerTableChangedSwitch when OK closes it on a changed table: that
    // edit must reach the printer also while another Manager finishes its run, but a Manager that
    // waits for a network may hold the name for hours, so the wait is bounded. Any other start
    // ends at once beside a running Manager.
    std::uint32_t patience = 0;
};

ManagerStart ManagerStartFromCommandLine(const std::string& commandLine);
